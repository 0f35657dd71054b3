#include "fuzz/fatal_exit_throws.hpp"
#include "platform/image_file.hpp"
#include "support/test_folder.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

// The GL_MAX_TEXTURE_SIZE of common drivers.
constexpr int largestSide = 16384;

// The texture load up to the decoded bytes, including the guard against cut-off files; the GL upload after it
// needs a context and is left to the GL tests.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TestSupport::TestFolder folder;
    folder.writeFile("Texture.png", std::string(reinterpret_cast<const char*>(data), size));
    Velmora::RgbImage image;
    FuzzSupport::finishesWithoutFatalError(
        [&] { image = Velmora::loadRgbImage("Texture.png", largestSide); });
    // The upload reads width x height RGB texels: reading them here lets AddressSanitizer catch a shorter
    // buffer.
    static volatile unsigned char sink = 0;
    if (image.width > 0 && image.height > 0) {
        for (size_t i = 0;
             i < size_t{3} * static_cast<size_t>(image.width) * static_cast<size_t>(image.height); ++i) {
            sink = sink ^ image.pixels[i];
        }
    }
    return 0;
}
