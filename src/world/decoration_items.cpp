#include "world/decoration_items.hpp"

#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "world/decoration_placement.hpp"

namespace Velmora {

DecorationItems::DecorationItems(const glm::vec3& playerPosition) {
    createHouses();
    createLanterns();
    placeItems(playerPosition);
    gatherPointLights();
    gatherObstacles();
    gatherModels();
}

void DecorationItems::createHouses() {
    houseTexture = std::make_unique<Texture>("Textures/HouseTexture.png");
    houseMaterial =
        std::make_unique<Material>(Material{glm::vec3(0.2f), glm::vec3(0.7f), glm::vec3(0.5f), 50.0f});
    for (int i = 0; i < houseCount; ++i) {
        houses.push_back(std::make_unique<House>(*houseTexture, *houseMaterial));
    }
}

void DecorationItems::createLanterns() {
    lanternTexture = std::make_unique<Texture>("Textures/LanternTexture.png");
    lanternMaterial =
        std::make_unique<Material>(Material{glm::vec3(0.25f), glm::vec3(0.75f), glm::vec3(1.0f), 100.0f});
    for (int i = 0; i < lanternCount; ++i) {
        lanterns.push_back(std::make_unique<Lantern>(*lanternTexture, *lanternMaterial));
    }
}

void DecorationItems::placeItems(const glm::vec3& playerPosition) {
    DecorationPlacement placement(playerPosition);
    for (const auto& house : houses) {
        placement.placeHouse(house->model->modelMatrix);
    }
    for (const auto& lantern : lanterns) {
        placement.placeLantern(lantern->model->modelMatrix, lantern->light->position);
    }
}

void DecorationItems::gatherPointLights() {
    for (const auto& lantern : lanterns) {
        lantern->light->appendTo(pointLightPositions, pointLightColors, pointLightIntensities,
                                 pointLightRanges);
    }
}

PointLightArrays DecorationItems::pointLights() const {
    return {pointLightPositions, pointLightColors, pointLightIntensities, pointLightRanges};
}

void DecorationItems::uploadMaterialAndLights(PointLightArrays lights) {
    for (Scene::DecorationItemModel* model : models) {
        model->setMaterialAndLights(lights);
    }
}

void DecorationItems::update(const FrameUniforms& frame) {
    for (Scene::DecorationItemModel* model : models) {
        model->setFrameUniforms(frame.light, frame.camera, frame.shadowMap);
    }
}

void DecorationItems::updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) {
    for (Scene::DecorationItemModel* model : models) {
        model->followLight(light, shadowMap);
    }
}

int DecorationItems::draw(const SceneDraw& scene) {
    int drawn = 0;
    for (Scene::DecorationItemModel* model : models) {
        if (!model->isInViewFrustum(*scene.camera.frustum, model->modelMatrix, scene.cullingEnabled)) {
            continue;
        }
        model->draw(&scene.shadowBlur);
        ++drawn;
    }
    return drawn;
}

void DecorationItems::drawShadows() {
    for (Scene::DecorationItemModel* model : models) {
        model->drawShadow();
    }
}

void DecorationItems::gatherObstacles() {
    for (const auto& house : houses) {
        obstacles.houses.push_back(translationOf(house->model->modelMatrix));
    }
    for (const auto& lantern : lanterns) {
        obstacles.lanterns.push_back(translationOf(lantern->model->modelMatrix));
    }
}

void DecorationItems::gatherModels() {
    for (const auto& house : houses) {
        models.push_back(house->model.get());
    }
    for (const auto& lantern : lanterns) {
        models.push_back(lantern->model.get());
    }
}

void DecorationItems::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(houseTexture.get());
    textures.push_back(lanternTexture.get());
}

void DecorationItems::addModels(std::vector<Scene::SceneObject*>& sceneModels) const {
    sceneModels.insert(sceneModels.end(), models.begin(), models.end());
}

} // namespace Velmora
