#include "platform/image_file.hpp"
#include "render/texture.hpp"
#include "support/fatal_exit.hpp"
#include "support/gl_pixels.hpp"
#include "support/test_folder.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace Velmora {
namespace {

using TestSupport::TestFolder;

constexpr int width = 5;
constexpr int height = 3;

// Every texel differs from every other in all three channels, so a skewed or flipped row cannot go unnoticed.
std::vector<unsigned char> distinctTexels(int channels) {
    std::vector<unsigned char> texels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = y * width + x;
            texels.insert(texels.end(), {static_cast<unsigned char>(10 + 16 * index),
                                         static_cast<unsigned char>(250 - 16 * index),
                                         static_cast<unsigned char>(7 + 13 * index)});
            if (channels == 4) {
                texels.push_back(static_cast<unsigned char>(index % 2 == 0 ? 0 : 128));
            }
        }
    }
    return texels;
}

// Images are saved bottom-up rows top row first and loaded in file order, so a round trip flips the rows.
std::vector<unsigned char> flippedRows(const std::vector<unsigned char>& texels) {
    std::vector<unsigned char> flipped;
    const size_t rowBytes = texels.size() / height;
    for (int y = height - 1; y >= 0; --y) {
        flipped.insert(flipped.end(), texels.begin() + y * rowBytes, texels.begin() + (y + 1) * rowBytes);
    }
    return flipped;
}

// Writes an RGBA PNG and returns the colour type in its header, so the test knows the alpha reached the file.
int saveRgbaPng(const std::string& path, std::vector<unsigned char> rgba) {
    saveImage(path, width, height, 4, rgba.data());
    std::ifstream file(path, std::ios::binary);
    // The colour type follows the signature, the header chunk's length and name, the size and the bit depth.
    file.seekg(25);
    return file.get();
}

// Loads in a child process and expects the load message, the error header and at least one of the image
// library's error codes (DevIL's are positive, Windows' HRESULTs negative).
void expectLoadFailure(const std::string& path) {
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            TestSupport::limitMemory();
            TestSupport::endAfterSeconds(30);
            Texture texture(path);
        },
        testing::ExitedWithCode(TestSupport::fatalExitStatus),
        TestSupport::lineMatching("Failed to load texture! - " + path) +
            TestSupport::literalPattern("Error-code(s):") + "\n" + TestSupport::numberPattern + "\n");
}

TEST(TextureGL, UploadsAnOddWidthImageTexelForTexelMipMappedAndBoundOnUnitZero) {
    TestFolder folder;
    const std::vector<unsigned char> texels = distinctTexels(3);
    TestSupport::savePng("odd.png", texels, width, height);
    GLuint other = 0;
    glGenTextures(1, &other);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, other);
    glActiveTexture(GL_TEXTURE2);

    const Texture texture("odd.png");

    GLint activeUnit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    EXPECT_EQ(activeUnit, GL_TEXTURE0);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, static_cast<GLint>(texture.id));
    GLint minFilter = 0;
    GLint magFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    GLint levelOneWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_EQ(levelOneWidth, 2);
    EXPECT_EQ(TestSupport::readTexture(texture.id, width, height), flippedRows(texels));

    glDeleteTextures(1, &other);
}

TEST(TextureGL, LoadsAnImageWithAlphaAsItsColourChannelsOnly) {
    TestFolder folder;
    constexpr int truecolourWithAlpha = 6;
    ASSERT_EQ(saveRgbaPng("alpha.png", distinctTexels(4)), truecolourWithAlpha);

    const Texture texture("alpha.png");

    GLint internalFormat = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internalFormat);
    EXPECT_EQ(internalFormat, GL_RGB);
    EXPECT_EQ(TestSupport::readTexture(texture.id, width, height), flippedRows(distinctTexels(3)));
}

TEST(TextureGLDeathTest, UnreadableFilesEndWithTheLoadMessageAndErrorCodes) {
    TestFolder folder;
    TestSupport::savePng("whole.png", distinctTexels(3), width, height);
    std::ifstream whole("whole.png", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    // A cut inside the header chunk, and one after it, where DevIL on its own would read on for ever.
    folder.writeFile("truncated-header.png", bytes.substr(0, 20));
    folder.writeFile("truncated.png", bytes.substr(0, bytes.size() / 2));
    folder.writeFile("notes.png", "just a line of text\n");
    // Files that never end, or only after 64 GiB of empty chunks: refused without being read through.
    // Where the system has neither, the names stay missing files.
    TestSupport::makeFifo("pipe.png");
    if (!TestSupport::endlessDevice().empty()) {
        std::filesystem::create_symlink(TestSupport::endlessDevice(), "noise.png");
    }
    folder.writeFile("hollow.png", "\x89PNG\r\n\x1a\n");
    std::filesystem::resize_file("hollow.png", uintmax_t{64} << 30);
    // A whole image one texel wider than the driver takes: GL would leave the texture empty.
    GLint largestSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestSide);
    TestSupport::savePng("wide.png", std::vector<unsigned char>(3 * (largestSide + 1), 200), largestSide + 1,
                         1);

    expectLoadFailure("missing.png");
    expectLoadFailure("truncated-header.png");
    expectLoadFailure("truncated.png");
    expectLoadFailure("notes.png");
    expectLoadFailure("pipe.png");
    expectLoadFailure("noise.png");
    expectLoadFailure("hollow.png");
    expectLoadFailure("wide.png");
}

} // namespace
} // namespace Velmora
