#pragma once

#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/texture.hpp"
#include "world/house.hpp"
#include "world/lantern.hpp"
#include "world/obstacle_positions.hpp"
#include "world/world_object.hpp"

#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace Velmora {

class ShadowMap;

// Eight houses and four lanterns placed once at random free spots; the lanterns' lights are the point lights
// of every lit model.
class DecorationItems : public WorldObject {
public:
    static constexpr int houseCount = 8;
    static constexpr int lanternCount = 4;

    explicit DecorationItems(const glm::vec3& playerPosition);
    DecorationItems(const DecorationItems&) = delete;
    DecorationItems& operator=(const DecorationItems&) = delete;

    PointLightArrays pointLights() const;
    // The lights handed out are the lanterns' own, those of pointLights.
    void uploadMaterialAndLights(PointLightArrays lights) override;
    void update(const FrameUniforms& frame) override;
    void updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) override;
    // Houses, then lanterns, each only when it can be seen; returns how many were drawn.
    int draw(const SceneDraw& scene) override;
    void drawShadows() override;
    void addSamplingTextures(std::vector<const Texture*>& textures) const override;
    void addModels(std::vector<Scene::SceneObject*>& models) const override;
    // The items never move, so their positions are gathered once, after placement.
    const ObstaclePositions& obstaclePositions() const { return obstacles; }

    // Released from the bottom up: the houses, then their shared texture and material, which outlive every
    // house using them; the lights; then the lanterns with theirs.
    std::unique_ptr<Material> lanternMaterial;
    std::unique_ptr<Texture> lanternTexture;
    std::vector<std::unique_ptr<Lantern>> lanterns;
    std::vector<float> pointLightRanges;
    std::vector<float> pointLightIntensities;
    std::vector<float> pointLightColors;
    std::vector<float> pointLightPositions;
    std::unique_ptr<Material> houseMaterial;
    std::unique_ptr<Texture> houseTexture;
    std::vector<std::unique_ptr<House>> houses;

private:
    void createHouses();
    void createLanterns();
    void placeItems(const glm::vec3& playerPosition);
    void gatherPointLights();
    void gatherObstacles();
    void gatherModels();

    ObstaclePositions obstacles;
    // Houses first, then lanterns: the order of every upload and draw, gathered once since no item comes or
    // goes.
    std::vector<Scene::DecorationItemModel*> models;
};

} // namespace Velmora
