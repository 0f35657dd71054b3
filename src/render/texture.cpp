#include "render/texture.hpp"

#include "app/console.hpp"

#include <IL/il.h>

namespace Velmora {
namespace {

std::string pendingImageErrors() {
    std::string codes = "Error-code(s):";
    for (ILenum error = ilGetError(); error != IL_NO_ERROR; error = ilGetError()) {
        codes += "\n" + std::to_string(error);
    }
    return codes;
}

} // namespace

Texture::Texture(const std::string& path) {
    glGenTextures(1, &id);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, id);

    int width = 0;
    int height = 0;
    const unsigned char* pixels = loadImage(path, width, height);
    // Rows are tightly packed RGB; the default alignment of 4 would skew images whose width is not a multiple
    // of 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

Texture::~Texture() {
    glDeleteTextures(1, &id);
}

const unsigned char* Texture::loadImage(const std::string& path, int& width, int& height) {
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (ilLoadImage(path.c_str()) == IL_FALSE) {
        fatalError("Failed to load texture! - " + path, pendingImageErrors());
    }
    if (ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE) == IL_FALSE) {
        fatalError("Failed to convert texture!");
    }
    width = ilGetInteger(IL_IMAGE_WIDTH);
    height = ilGetInteger(IL_IMAGE_HEIGHT);
    return ilGetData();
}

} // namespace Velmora
