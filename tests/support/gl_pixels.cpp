#include "support/gl_pixels.hpp"

#include "platform/image_file.hpp"

#include <algorithm>
#include <cstdlib>

namespace TestSupport {

std::vector<unsigned char> readPixels(GLuint framebuffer, int x, int y, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width * height * 3));
    GLint previous = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previous);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(previous));
    return pixels;
}

Rgb pixelAt(GLuint framebuffer, int x, int y) {
    const auto pixel = readPixels(framebuffer, x, y, 1, 1);
    return {pixel[0], pixel[1], pixel[2]};
}

Rgb meanColor(GLuint framebuffer, int x, int y, int width, int height) {
    const auto pixels = readPixels(framebuffer, x, y, width, height);
    long sums[3] = {0, 0, 0};
    for (size_t i = 0; i < pixels.size(); ++i) {
        sums[i % 3] += pixels[i];
    }
    const long count = static_cast<long>(width) * height;
    return {static_cast<int>(sums[0] / count), static_cast<int>(sums[1] / count),
            static_cast<int>(sums[2] / count)};
}

int brightness(const Rgb& color) {
    return color[0] + color[1] + color[2];
}

std::vector<unsigned char> readTexture(GLuint texture, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width * height * 3));
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    return pixels;
}

std::vector<unsigned char> patternedPicture(int width, int height) {
    std::vector<unsigned char> picture;
    picture.reserve(static_cast<size_t>(width * height * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.insert(picture.end(), {static_cast<unsigned char>(x % 200 + 20),
                                           static_cast<unsigned char>(y % 200 + 20),
                                           static_cast<unsigned char>((3 * x + y) % 250)});
        }
    }
    return picture;
}

int largestDifference(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second) {
    int largest = 0;
    for (size_t i = 0; i < first.size() && i < second.size(); ++i) {
        largest = std::max(largest, std::abs(first[i] - second[i]));
    }
    return largest;
}

double shareDifferingBy(const std::vector<unsigned char>& first, const std::vector<unsigned char>& second,
                        int levels) {
    size_t differing = 0;
    for (size_t i = 0; i < first.size() && i < second.size(); ++i) {
        differing += std::abs(first[i] - second[i]) > levels ? 1 : 0;
    }
    return first.empty() ? 0.0 : static_cast<double>(differing) / static_cast<double>(first.size());
}

void savePng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height) {
    Velmora::saveImage(path, width, height, 3, rgb.data());
}

GLint textureOnUnitZero() {
    glActiveTexture(GL_TEXTURE0);
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    return texture;
}

} // namespace TestSupport
