#include "render/texture.hpp"

#include "platform/console.hpp"

#include <IL/il.h>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace Velmora {
namespace {

constexpr unsigned char pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t bigEndian32(const unsigned char* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

// DevIL reads on past the end of a cut-off PNG without ever stopping, so a PNG must show all its chunks, up
// to the closing IEND, before it is handed over. Files that are no PNG at all are left to DevIL to refuse.
bool isCutOffPng(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < sizeof(pngSignature) ||
        !std::equal(std::begin(pngSignature), std::end(pngSignature), bytes.begin())) {
        return false;
    }
    size_t chunk = sizeof(pngSignature);
    while (chunk + 8 <= bytes.size()) {
        const uint64_t chunkEnd = chunk + 12 + uint64_t{bigEndian32(&bytes[chunk])};
        if (chunkEnd > bytes.size()) {
            return true;
        }
        if (std::equal(bytes.begin() + static_cast<long>(chunk) + 4,
                       bytes.begin() + static_cast<long>(chunk) + 8, "IEND")) {
            return false;
        }
        chunk = static_cast<size_t>(chunkEnd);
    }
    return true;
}

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
    if (isCutOffPng(path)) {
        fatalError("Failed to load texture! - " + path,
                   "Error-code(s):\n" + std::to_string(IL_FILE_READ_ERROR));
    }
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
