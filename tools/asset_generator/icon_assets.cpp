#include "icon_assets.hpp"

#include "image.hpp"
#include "png_writer.hpp"

#include <algorithm>
#include <glm/common.hpp>
#include <string>

namespace Velmora {
namespace {

const glm::vec3 outline(0.08f, 0.12f, 0.1f);

// Shapes are placed in fractions of the icon's side, so every size shows the same face.
void disc(Image& image, float x, float y, float radius, const glm::vec3& color, float alpha = 1.0f) {
    const float size = static_cast<float>(image.width());
    image.blendDisc({x * size, y * size}, radius * size, color, alpha);
}

void paintSky(Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        const float t = (y + 0.5f) / image.height();
        const glm::vec3 sky = glm::mix(glm::vec3(0.16f, 0.3f, 0.66f), glm::vec3(0.55f, 0.78f, 0.96f), t);
        for (int x = 0; x < image.width(); ++x) {
            image.set(x, y, sky);
        }
    }
}

// The dark rims give the face the cel-shaded outline the game draws around everything.
void paintHead(Image& image) {
    disc(image, 0.5f, 0.55f, 0.44f, outline);
    disc(image, 0.5f, 0.55f, 0.41f, {0.45f, 0.78f, 0.4f});
    disc(image, 0.42f, 0.42f, 0.18f, {0.62f, 0.88f, 0.52f}, 0.35f);
    for (float side : {-1.0f, 1.0f}) {
        disc(image, 0.5f + side * 0.25f, 0.72f, 0.07f, {1.0f, 0.55f, 0.62f}, 0.55f);
    }
}

void paintEye(Image& image) {
    disc(image, 0.5f, 0.46f, 0.22f, outline);
    disc(image, 0.5f, 0.46f, 0.195f, {0.97f, 0.97f, 0.95f});
    disc(image, 0.5f, 0.47f, 0.12f, {0.55f, 0.72f, 0.9f});
    disc(image, 0.5f, 0.47f, 0.08f, {0.04f, 0.03f, 0.06f});
    disc(image, 0.47f, 0.44f, 0.03f, glm::vec3(1.0f));
}

void paintSmile(Image& image) {
    const float size = static_cast<float>(image.width());
    const float thickness = std::max(0.022f * size, 0.6f);
    auto smileAt = [size](float s) {
        const float x = s * 2.0f - 1.0f;
        return glm::vec2((0.5f + 0.13f * x) * size, (0.76f + 0.05f * (1.0f - x * x)) * size);
    };
    for (int step = 0; step < 12; ++step) {
        image.blendLine(smileAt(step / 12.0f), smileAt((step + 1) / 12.0f), thickness, {0.25f, 0.1f, 0.12f},
                        1.0f);
    }
}

} // namespace

void IconAssets::write(const std::filesystem::path& root, const std::string& name, int size) {
    const std::filesystem::path folder = root / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    std::filesystem::create_directories(folder);
    PngWriter::write((folder / (name + ".png")).string(), draw(size));
}

Image IconAssets::draw(int size) {
    Image image(size, size);
    paintSky(image);
    paintHead(image);
    paintEye(image);
    paintSmile(image);
    return image;
}

} // namespace Velmora
