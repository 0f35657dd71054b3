#include "png_writer.hpp"

#include "image.hpp"

#include <cstdio>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace Velmora {

void PngWriter::write(const std::string& path, const Image& image) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        throw std::runtime_error("cannot open " + path);
    }
    const std::vector<std::uint8_t> bytes = image.toRgb8();
    std::vector<png_bytep> rows(image.height());
    for (int y = 0; y < image.height(); ++y) {
        rows[y] = const_cast<png_bytep>(bytes.data() + static_cast<size_t>(y) * image.width() * 3);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    // libpng reports errors by long-jumping back here, so every object with a destructor exists already.
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("cannot encode " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

} // namespace Velmora
