#include "image.hpp"

#include <algorithm>
#include <cmath>
#include <glm/glm.hpp>

namespace Velmora {

Image::Image(int width, int height, const glm::vec3& fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::fillTiledNoise(const Noise& noise, int period, int octaves, const glm::vec3& low,
                           const glm::vec3& high) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float n = noise.tiledFractal(x * static_cast<float>(period) / width_,
                                               y * static_cast<float>(period) / height_, period, octaves);
            set(x, y, glm::mix(low, high, n));
        }
    }
}

int Image::index(int x, int y) const {
    const int wx = ((x % width_) + width_) % width_;
    const int wy = ((y % height_) + height_) % height_;
    return wy * width_ + wx;
}

const glm::vec3& Image::at(int x, int y) const {
    return pixels_[index(x, y)];
}

void Image::set(int x, int y, const glm::vec3& color) {
    pixels_[index(x, y)] = color;
}

void Image::blend(int x, int y, const glm::vec3& color, float alpha) {
    glm::vec3& pixel = pixels_[index(x, y)];
    pixel += (color - pixel) * std::clamp(alpha, 0.0f, 1.0f);
}

void Image::blendDisc(const glm::vec2& centre, float radius, const glm::vec3& color, float alpha) {
    const int x0 = static_cast<int>(std::floor(centre.x - radius - 1.0f));
    const int x1 = static_cast<int>(std::ceil(centre.x + radius + 1.0f));
    const int y0 = static_cast<int>(std::floor(centre.y - radius - 1.0f));
    const int y1 = static_cast<int>(std::ceil(centre.y + radius + 1.0f));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = glm::length(glm::vec2(x + 0.5f, y + 0.5f) - centre);
            const float coverage = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
            if (coverage > 0.0f) {
                blend(x, y, color, alpha * coverage);
            }
        }
    }
}

void Image::blendLine(const glm::vec2& from, const glm::vec2& to, float radius, const glm::vec3& color,
                      float alpha) {
    const glm::vec2 lo = glm::min(from, to) - glm::vec2(radius + 1.0f);
    const glm::vec2 hi = glm::max(from, to) + glm::vec2(radius + 1.0f);
    const glm::vec2 dir = to - from;
    const float lengthSq = std::max(glm::dot(dir, dir), 1e-6f);
    for (int y = static_cast<int>(std::floor(lo.y)); y <= static_cast<int>(std::ceil(hi.y)); ++y) {
        for (int x = static_cast<int>(std::floor(lo.x)); x <= static_cast<int>(std::ceil(hi.x)); ++x) {
            const glm::vec2 p(x + 0.5f, y + 0.5f);
            const float t = std::clamp(glm::dot(p - from, dir) / lengthSq, 0.0f, 1.0f);
            const float d = glm::length(p - (from + dir * t));
            const float coverage = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
            if (coverage > 0.0f) {
                blend(x, y, color, alpha * coverage);
            }
        }
    }
}

std::vector<std::uint8_t> Image::toRgb8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const glm::vec3& pixel : pixels_) {
        for (int channel = 0; channel < 3; ++channel) {
            const float value = std::clamp(pixel[channel], 0.0f, 1.0f) * 255.0f;
            bytes.push_back(static_cast<std::uint8_t>(std::lround(value)));
        }
    }
    return bytes;
}

} // namespace Velmora
