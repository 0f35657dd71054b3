#include "fuzz/fatal_exit_throws.hpp"
#include "render/texture.hpp"
#include "support/test_folder.hpp"

#include <IL/il.h>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ilInit();
    return 0;
}

// The GL_MAX_TEXTURE_SIZE of common drivers.
constexpr int largestSide = 16384;

// The texture load up to the decoded bytes, including the guard against cut-off files; the GL upload after it
// needs a context and is left to the GL tests.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TestSupport::TestFolder folder;
    folder.writeFile("Texture.png", std::string(reinterpret_cast<const char*>(data), size));
    int width = 0;
    int height = 0;
    const unsigned char* pixels = nullptr;
    FuzzSupport::finishesWithoutFatalError(
        [&] { pixels = Velmora::Texture::loadImage("Texture.png", largestSide, width, height); });
    // The upload reads width x height RGB texels: reading them here lets AddressSanitizer catch a shorter
    // buffer.
    static volatile unsigned char sink = 0;
    if (pixels != nullptr && width > 0 && height > 0) {
        for (size_t i = 0; i < size_t{3} * static_cast<size_t>(width) * static_cast<size_t>(height); ++i) {
            sink = sink ^ pixels[i];
        }
    }
    // The game keeps one decoded image per texture for its whole run; a fuzzer loading millions must not.
    ILuint image = static_cast<ILuint>(ilGetInteger(IL_CUR_IMAGE));
    ilDeleteImages(1, &image);
    return 0;
}
