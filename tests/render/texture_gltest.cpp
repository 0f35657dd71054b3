#include "render/texture.hpp"
#include "support/fatal_exit.hpp"
#include "support/gl_pixels.hpp"
#include "support/test_folder.hpp"

#include <IL/il.h>
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

void saveRgbaPng(const std::string& path, std::vector<unsigned char> rgba) {
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    ilTexImage(width, height, 1, 4, IL_RGBA, IL_UNSIGNED_BYTE, rgba.data());
    ilEnable(IL_FILE_OVERWRITE);
    ilSaveImage(path.c_str());
    ilDeleteImages(1, &image);
}

ILint storedFormat(const std::string& path) {
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const ILint format = ilLoadImage(path.c_str()) == IL_TRUE ? ilGetInteger(IL_IMAGE_FORMAT) : 0;
    ilDeleteImages(1, &image);
    return format;
}

GLint textureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

// The load message, then the error header and at least one DevIL error code.
std::string loadFailure(const std::string& path) {
    return TestSupport::lineMatching("Failed to load texture! - " + path) + "Error-code\\(s\\):\n[0-9]+\n";
}

void expectLoadFailure(const std::string& path) {
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Texture texture(path);
        },
        testing::ExitedWithCode(255), loadFailure(path));
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
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLint levelOneWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_EQ(levelOneWidth, 2);
    // DevIL writes and reads PNG rows in the same order, so the texture holds the bytes the file was made from.
    EXPECT_EQ(TestSupport::readTexture(texture.id, width, height), texels);

    glDeleteTextures(1, &other);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TextureGL, LoadsAnImageWithAlphaAsItsColourChannelsOnly) {
    TestFolder folder;
    saveRgbaPng("alpha.png", distinctTexels(4));
    ASSERT_EQ(storedFormat("alpha.png"), IL_RGBA);

    const Texture texture("alpha.png");

    GLint internalFormat = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internalFormat);
    EXPECT_EQ(internalFormat, GL_RGB);
    EXPECT_EQ(TestSupport::readTexture(texture.id, width, height), distinctTexels(3));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TextureGLDeathTest, UnreadableFilesEndWithTheLoadMessageAndErrorCodes) {
    TestFolder folder;
    TestSupport::savePng("whole.png", distinctTexels(3), width, height);
    std::ifstream whole("whole.png", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 60u);
    folder.writeFile("truncated.png", bytes.substr(0, bytes.size() / 2));
    folder.writeFile("notes.png", "just a line of text\n");

    expectLoadFailure("missing.png");
    expectLoadFailure("truncated.png");
    expectLoadFailure("notes.png");
}

} // namespace
} // namespace Velmora
