#include "platform/image_file.hpp"

#include "platform/console.hpp"
#include "platform/data_file.hpp"

#include <IL/il.h>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace Velmora {
namespace {

constexpr unsigned char pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t bigEndian32(const unsigned char* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

// A PNG with more chunks than this is no texture of ours: a long run of empty chunks, such as a signature
// followed by gigabytes of zeros, would otherwise be walked 12 bytes at a time.
constexpr int mostChunksWalked = 1 << 16;

// DevIL reads on past the end of a cut-off PNG without ever stopping, so a PNG must show all its chunks, up
// to the closing IEND, before it is handed over. Only the chunk headers are read, up to the file's size when
// the walk starts. Files that are no PNG at all are left to DevIL to refuse.
bool isCutOffPng(const std::string& path) {
    std::ifstream file;
    // Unbuffered: each header is one small read, not a block of the chunk data it skips.
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(path, std::ios::binary);
    std::error_code unknown;
    const uint64_t size = std::filesystem::file_size(path, unknown);
    unsigned char header[8];
    if (!file.read(reinterpret_cast<char*>(header), sizeof(header)) ||
        !std::equal(std::begin(pngSignature), std::end(pngSignature), header)) {
        return false;
    }
    uint64_t chunk = sizeof(pngSignature);
    for (int walked = 0; walked < mostChunksWalked && chunk + 8 <= size; ++walked) {
        file.seekg(static_cast<std::streamoff>(chunk));
        if (!file.read(reinterpret_cast<char*>(header), sizeof(header))) {
            return true;
        }
        const uint64_t chunkEnd = chunk + 12 + uint64_t{bigEndian32(header)};
        if (chunkEnd > size) {
            return true;
        }
        if (std::equal(header + 4, header + 8, "IEND")) {
            return false;
        }
        chunk = chunkEnd;
    }
    return true;
}

// The larger side a PNG's header gives, or 0 for a file that does not start as a PNG: the header is read
// before anything is decoded, so that an image too large to use costs neither the time nor the memory of its
// pixels.
uint64_t largestPngSide(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24];
    if (!file.read(reinterpret_cast<char*>(header), sizeof(header)) ||
        !std::equal(std::begin(pngSignature), std::end(pngSignature), header) ||
        !std::equal(header + 12, header + 16, "IHDR")) {
        return 0;
    }
    return std::max(bigEndian32(header + 16), bigEndian32(header + 20));
}

// The code DevIL would have left had it been trusted with a file it cannot read safely or an image the game
// cannot use, or IL_NO_ERROR.
ILenum refusedFileCode(const std::string& path, int largestSide) {
    if (!isDataFile(path)) {
        return IL_COULD_NOT_OPEN_FILE;
    }
    if (isCutOffPng(path)) {
        return IL_FILE_READ_ERROR;
    }
    if (largestPngSide(path) > static_cast<uint64_t>(largestSide)) {
        return IL_ILLEGAL_FILE_VALUE;
    }
    return IL_NO_ERROR;
}

[[noreturn]] void refuseImage(const std::string& path, ILenum code) {
    fatalError("Failed to load texture! - " + path, "Error-code(s):\n" + std::to_string(code));
}

std::string pendingImageErrors() {
    std::string codes = "Error-code(s):";
    for (ILenum error = ilGetError(); error != IL_NO_ERROR; error = ilGetError()) {
        codes += "\n" + std::to_string(error);
    }
    return codes;
}

// DevIL keeps its images in a store of its own, which it must set up once before the first use.
void initializeImageLibrary() {
    static const bool initialized = [] {
        ilInit();
        return true;
    }();
    (void)initialized;
}

// One image of DevIL's store, bound while it lives and deleted with it.
class BoundImage {
public:
    BoundImage() {
        initializeImageLibrary();
        ilGenImages(1, &image);
        ilBindImage(image);
    }
    BoundImage(const BoundImage&) = delete;
    BoundImage& operator=(const BoundImage&) = delete;
    ~BoundImage() { ilDeleteImages(1, &image); }

private:
    ILuint image = 0;
};

} // namespace

RgbImage loadRgbImage(const std::string& path, int largestSide) {
    const BoundImage bound;
    const ILenum refused = refusedFileCode(path, largestSide);
    if (refused != IL_NO_ERROR) {
        refuseImage(path, refused);
    }
    if (ilLoadImage(path.c_str()) == IL_FALSE) {
        fatalError("Failed to load texture! - " + path, pendingImageErrors());
    }
    if (ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE) == IL_FALSE) {
        fatalError("Failed to convert texture!");
    }
    RgbImage image;
    image.width = ilGetInteger(IL_IMAGE_WIDTH);
    image.height = ilGetInteger(IL_IMAGE_HEIGHT);
    // Formats other than PNG show their size only once decoded.
    if (image.width > largestSide || image.height > largestSide) {
        refuseImage(path, IL_ILLEGAL_FILE_VALUE);
    }
    const ILubyte* data = ilGetData();
    image.pixels.assign(data, data + std::size_t{3} * static_cast<std::size_t>(image.width) *
                                         static_cast<std::size_t>(image.height));
    return image;
}

bool saveImage(const std::string& path, int width, int height, int channels, const unsigned char* pixels) {
    const BoundImage bound;
    ilTexImage(static_cast<ILuint>(width), static_cast<ILuint>(height), 1, static_cast<ILubyte>(channels),
               channels == 4 ? IL_RGBA : IL_RGB, IL_UNSIGNED_BYTE, const_cast<unsigned char*>(pixels));
    ilEnable(IL_FILE_OVERWRITE);
    return ilSaveImage(path.c_str()) == IL_TRUE;
}

} // namespace Velmora
