#include "render/texture.hpp"

#include "platform/image_file.hpp"

namespace Velmora {

Texture::Texture(const std::string& path) : id(GlTexture::generate()) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, id);

    // The driver's limit: a larger image would be refused by glTexImage2D, leaving an empty texture.
    GLint largestSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestSide);
    const RgbImage image = loadRgbImage(path, largestSide);
    width = image.width;
    height = image.height;
    // Rows are tightly packed RGB; the default alignment of 4 would skew images whose width is not a multiple
    // of 4.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

} // namespace Velmora
