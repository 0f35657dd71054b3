#pragma once

#include <cstdint>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <vector>

#include "noise.hpp"

namespace Velmora {

// An RGB picture in floating point, painted with wrap-around so tiling textures stay seamless.
// Row 0 is the top row of the written PNG.
class Image {
public:
    Image(int width, int height, const glm::vec3& fill = glm::vec3(0.0f));

    int width() const { return width_; }
    int height() const { return height_; }

    const glm::vec3& at(int x, int y) const;
    void set(int x, int y, const glm::vec3& color);
    // Covers the picture with seamless noise of `period` cells across, shading from `low` to `high`.
    void fillTiledNoise(const Noise& noise, int period, int octaves, const glm::vec3& low,
                        const glm::vec3& high);
    void blend(int x, int y, const glm::vec3& color, float alpha);
    // Soft-edged disc; positions in pixels, painted across the borders.
    void blendDisc(const glm::vec2& centre, float radius, const glm::vec3& color, float alpha);
    void blendLine(const glm::vec2& from, const glm::vec2& to, float radius, const glm::vec3& color,
                   float alpha);
    // Each pixel is rounded and clamped to 8 bits per channel.
    std::vector<std::uint8_t> toRgb8() const;

private:
    int index(int x, int y) const;

    int width_;
    int height_;
    std::vector<glm::vec3> pixels_;
};

} // namespace Velmora
