#pragma once

#include "support/gl_pixels.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

// A one-colour PNG in the temporary folder, for models whose textures must come from a file.
inline std::string writeSolidPng(const std::string& name, unsigned char r, unsigned char g, unsigned char b) {
    constexpr int size = 4;
    std::vector<unsigned char> rgb;
    for (int i = 0; i < size * size; ++i) {
        rgb.insert(rgb.end(), {r, g, b});
    }
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    savePng(path, rgb, size, size);
    return path;
}

} // namespace TestSupport
