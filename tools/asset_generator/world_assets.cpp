#include "world_assets.hpp"

#include "asset_folder.hpp"
#include "image.hpp"
#include "mesh_builder.hpp"
#include "noise.hpp"
#include "rng.hpp"

#include <algorithm>
#include <cmath>
#include <glm/common.hpp>
#include <glm/geometric.hpp>

namespace Velmora {

void WorldAssets::write(const AssetFolder& folder) {
    writeScreenQuad(folder);
    writePlanet(folder);
    writeSkyCube(folder);
    writeGrass(folder);
    writeDaySky(folder);
    writeNightSky(folder);
}

void WorldAssets::writeScreenQuad(const AssetFolder& folder) {
    MeshBuilder mesh;
    mesh.addPolygon({{-1.0f, -1.0f, 0.0f}, {1.0f, -1.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, {-1.0f, 1.0f, 0.0f}},
                    UvRect{}, {0.0f, 0.0f, 1.0f});
    folder.writeMesh("Screen_Quad", mesh);
}

void WorldAssets::writePlanet(const AssetFolder& folder) {
    MeshBuilder mesh;
    // 64 cells per face keep the silhouette round even from half a unit away; 4 whole tiles hide the seams.
    mesh.addCubeSphere(64, 4.0f, [](const glm::vec3&) { return 1.0f; });
    folder.writeMesh("Planet", mesh);
}

void WorldAssets::writeSkyCube(const AssetFolder& folder) {
    const float h = 8.0f;
    MeshBuilder mesh;
    for (int axis = 0; axis < 3; ++axis) {
        for (float sign : {1.0f, -1.0f}) {
            glm::vec3 normal(0.0f);
            normal[axis] = sign;
            const int a = (axis + 1) % 3;
            const int b = (axis + 2) % 3;
            std::vector<glm::vec3> corners;
            for (glm::vec2 c : {glm::vec2(-1, -1), glm::vec2(1, -1), glm::vec2(1, 1), glm::vec2(-1, 1)}) {
                glm::vec3 p = normal * h;
                p[a] = c.x * h;
                p[b] = c.y * h;
                corners.push_back(p);
            }
            // Seen from inside: the faces point back at the centre.
            mesh.addPolygon(corners, UvRect{}, -normal);
        }
    }
    folder.writeMesh("SkyCube", mesh);
}

void WorldAssets::writeGrass(const AssetFolder& folder) {
    const int size = 512;
    const Noise noise(11);
    Image image(size, size);
    image.fillTiledNoise(noise, 8, 4, glm::vec3(0.13f, 0.33f, 0.08f), glm::vec3(0.32f, 0.58f, 0.16f));
    Rng rng(12);
    for (int blade = 0; blade < 9000; ++blade) {
        const glm::vec2 root(rng.range(0.0f, size), rng.range(0.0f, size));
        const float length = rng.range(6.0f, 15.0f);
        const glm::vec2 tip = root + glm::vec2(rng.range(-0.45f, 0.45f), -1.0f) * length;
        const glm::vec3 shade(rng.range(0.12f, 0.35f), rng.range(0.38f, 0.68f), rng.range(0.06f, 0.18f));
        image.blendLine(root, tip, rng.range(0.4f, 0.8f), shade, 0.7f);
        image.blendDisc(tip, 0.5f, shade * 1.25f, 0.5f);
    }
    for (int flower = 0; flower < 40; ++flower) {
        const glm::vec2 centre(rng.range(0.0f, size), rng.range(0.0f, size));
        const bool yellow = rng.unit() < 0.5f;
        image.blendDisc(centre, 1.6f, yellow ? glm::vec3(1.0f, 0.9f, 0.3f) : glm::vec3(0.95f), 0.9f);
    }
    folder.writeTexture("GrassTexture", image);
}

void WorldAssets::writeDaySky(const AssetFolder& folder) {
    const int size = 512;
    const Noise noise(21);
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float fx = x * 4.0f / size;
            const float fy = y * 4.0f / size;
            const float haze = noise.tiledFractal(fx, fy, 4, 2);
            const glm::vec3 blue =
                glm::mix(glm::vec3(0.30f, 0.55f, 0.92f), glm::vec3(0.45f, 0.68f, 0.97f), haze);
            const float cloud = glm::smoothstep(0.52f, 0.72f, noise.tiledFractal(fx + 17.0f, fy, 4, 5));
            const float puff = noise.tiledFractal(fx * 2.0f, fy * 2.0f, 8, 3);
            const glm::vec3 white = glm::mix(glm::vec3(0.82f, 0.86f, 0.92f), glm::vec3(1.0f), puff);
            image.set(x, y, glm::mix(blue, white, cloud * 0.9f));
        }
    }
    folder.writeTexture("DaySky", image);
}

void WorldAssets::writeNightSky(const AssetFolder& folder) {
    const int size = 512;
    const Noise noise(31);
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float veil = noise.tiledFractal(x * 4.0f / size, y * 4.0f / size, 4, 4);
            image.set(x, y, glm::mix(glm::vec3(0.005f, 0.008f, 0.03f), glm::vec3(0.04f, 0.03f, 0.09f), veil));
        }
    }
    Rng rng(32);
    for (int star = 0; star < 700; ++star) {
        const glm::vec2 centre(rng.range(0.0f, size), rng.range(0.0f, size));
        const float brightness = 0.25f + 0.75f * std::pow(rng.unit(), 3.0f);
        const glm::vec3 tint =
            glm::mix(glm::vec3(0.75f, 0.85f, 1.0f), glm::vec3(1.0f, 0.92f, 0.75f), rng.unit());
        const float radius = 0.35f + 0.9f * brightness;
        if (brightness > 0.8f) {
            image.blendDisc(centre, radius * 3.0f, tint, 0.12f);
        }
        image.blendDisc(centre, radius, tint * brightness, 1.0f);
    }
    folder.writeTexture("NightSky", image);
}

} // namespace Velmora
