#include "math/camera.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/gl_uniforms.hpp"
#include "render/lit_model.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/solid_texture_file.hpp"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <memory>

namespace Velmora {
namespace {

const glm::vec3 sunDirection = glm::normalize(glm::vec3(0.5f, 0.0f, 1.0f));
const glm::vec3 groundColor(120.0f, 180.0f, 110.0f);
constexpr float ambient = 0.25f;
constexpr float diffuse = 0.75f;

// The planet with a character-sized ball 0.05 above its sunlit side and a bigger one higher up, lit by the
// sun and one lantern, rendered through the whole shadow path into the scene target.
class ShadowedScene {
public:
    ShadowedScene()
        : celShader("Shaders/celShader.vert", "Shaders/celShader.frag"),
          groundTexture(TestSupport::writeSolidPng("velmora_ground.png", 120, 180, 110)),
          casterTexture(TestSupport::writeSolidPng("velmora_caster.png", 220, 90, 70)),
          // The ground has no highlight, so that every sample on it shows its light band alone.
          groundMaterial{glm::vec3(ambient), glm::vec3(diffuse), glm::vec3(0.0f), 64.0f},
          casterMaterial{glm::vec3(ambient), glm::vec3(diffuse), glm::vec3(0.3f), 64.0f} {
        addModel(glm::mat4(1.0f), groundTexture, groundMaterial);
        addModel(ballAt(smallCaster, 0.05f), casterTexture, casterMaterial);
        addModel(ballAt(bigCaster, 0.1f), casterTexture, casterMaterial);
        camera.setPerspective(0.1f, 20.0f, 45.0f, SceneFramebuffer::width, SceneFramebuffer::height);
        const glm::vec3 eye = 2.3f * glm::normalize(glm::vec3(-0.35f, 0.45f, 1.0f));
        camera.worldTransform =
            glm::inverse(glm::lookAt(eye, glm::vec3(0.0f, 0.2f, 0.75f), glm::vec3(0.0f, 1.0f, 0.0f)));
    }

    void render() {
        renderShadowPass();
        shadowBlur.blur(shadowMap.depthTexture, sceneFramebuffer.quad->vao,
                        sceneFramebuffer.quad->indexCount);
        renderScenePass();
    }

    TestSupport::Rgb colorAround(const glm::vec3& worldPoint) const {
        const glm::vec4 clip = camera.viewProjection() * glm::vec4(worldPoint, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        const int x = static_cast<int>((ndc.x + 1.0f) / 2.0f * SceneFramebuffer::width);
        const int y = static_cast<int>((ndc.y + 1.0f) / 2.0f * SceneFramebuffer::height);
        return TestSupport::meanColor(sceneFramebuffer.framebuffer, x - 2, y - 2, 5, 5);
    }

    void savePicture(const std::string& path) const {
        const auto pixels = TestSupport::readPixels(sceneFramebuffer.framebuffer, 0, 0,
                                                    SceneFramebuffer::width, SceneFramebuffer::height);
        TestSupport::savePng(path, pixels, SceneFramebuffer::width, SceneFramebuffer::height);
    }

    const glm::vec3 smallCaster = 1.1f * glm::normalize(glm::vec3(0.1f, 0.2f, 1.0f));
    const glm::vec3 bigCaster = 1.25f * glm::normalize(glm::vec3(0.45f, -0.15f, 1.0f));

private:
    static glm::mat4 ballAt(const glm::vec3& centre, float radius) {
        return glm::scale(glm::translate(glm::mat4(1.0f), centre), glm::vec3(radius));
    }

    void addModel(const glm::mat4& modelMatrix, Texture& texture, Material& material) {
        auto model = std::make_unique<Scene::LitModel>(modelMatrix, &celShader, "SceneObjects/Planet.obj",
                                                       Scene::LitModel::MatrixUpload::PerFrameOnly);
        model->colorTexture = &texture;
        model->material = &material;
        models.push_back(std::move(model));
    }

    void renderShadowPass() {
        for (const auto& model : models) {
            glUseProgram(model->shadowShader->program);
            setUniform(model->shadowShader->program, "lightMVPMatrix",
                       shadowMap.computeLightMVP(sunDirection, false, model->modelMatrix));
        }
        glEnable(GL_DEPTH_TEST);
        glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glViewport(0, 0, ShadowMap::size, ShadowMap::size);
        for (const auto& model : models) {
            model->drawShadow();
        }
    }

    void renderScenePass() {
        const glm::vec3 lantern = 1.08f * glm::normalize(glm::vec3(-0.75f, 0.35f, 0.2f));
        const PointLightArrays lights{{lantern.x, lantern.y, lantern.z}, {1.0f, 0.6f, 0.2f}, {1.2f}, {0.45f}};
        glBindFramebuffer(GL_FRAMEBUFFER, sceneFramebuffer.framebuffer);
        glClearColor(0.05f, 0.05f, 0.15f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glViewport(0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
        for (const auto& model : models) {
            model->setMaterialAndLights(lights);
            model->setFrameUniforms(sunDirection, camera, shadowMap);
            model->draw(&shadowBlur);
        }
        glDisable(GL_DEPTH_TEST);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }

    ShadowMap shadowMap;
    SceneFramebuffer sceneFramebuffer;
    ShadowBlur shadowBlur{sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount};
    Shader celShader;
    Texture groundTexture;
    Texture casterTexture;
    Material groundMaterial;
    Material casterMaterial;
    Camera camera;
    std::vector<std::unique_ptr<Scene::LitModel>> models;
};

// Where the sun's ray through a caster's centre meets the planet.
glm::vec3 shadowCentreBelow(const glm::vec3& caster) {
    const float along = glm::dot(caster, sunDirection);
    const float t = along - std::sqrt(along * along - glm::dot(caster, caster) + 1.0f);
    return caster - t * sunDirection;
}

// Ground some 0.3 units from a shadow's centre, towards the camera's side of the planet.
glm::vec3 besideShadow(const glm::vec3& shadowCentre) {
    return glm::normalize(shadowCentre + glm::vec3(0.0f, 0.3f, 0.0f));
}

// The ground point, on the side facing the camera, whose normal makes the given cosine with the sun.
glm::vec3 groundFacingSunAt(float cosine) {
    const glm::vec3 across =
        glm::normalize(glm::cross(sunDirection, glm::vec3(0.0f, 1.0f, 0.0f)) + glm::vec3(0.0f, 1.0f, 0.0f));
    return cosine * sunDirection + std::sqrt(1.0f - cosine * cosine) * across;
}

void expectColor(const TestSupport::Rgb& actual, const glm::vec3& expected, int tolerance) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "channel " << i;
    }
}

TEST(ShadowedSceneGL, CastersDarkenTheSunlitGroundBelowThemAndNowhereElse) {
    ShadowedScene scene;
    scene.render();
    scene.savePicture("../test-scene.png");

    for (const glm::vec3& caster : {scene.smallCaster, scene.bigCaster}) {
        SCOPED_TRACE(caster.x);
        const glm::vec3 shadow = shadowCentreBelow(caster);
        const glm::vec3 beside = besideShadow(shadow);
        ASSERT_GT(glm::dot(shadow, sunDirection), 0.65f);
        ASSERT_GT(glm::dot(beside, sunDirection), 0.65f);
        const TestSupport::Rgb shaded = scene.colorAround(shadow);
        const TestSupport::Rgb lit = scene.colorAround(beside);
        // Lit ground away from casters keeps the full top band: no acne from the 8-bit shadow map.
        expectColor(lit, groundColor * (ambient + diffuse), 4);
        EXPECT_LT(TestSupport::brightness(shaded), 0.6 * TestSupport::brightness(lit));
    }
    // Slanted ground in the lower bands, nearer the terminator, shows no shadow of its own either.
    expectColor(scene.colorAround(groundFacingSunAt(0.5f)), groundColor * (ambient + diffuse * 0.65f), 4);
    expectColor(scene.colorAround(groundFacingSunAt(0.15f)), groundColor * (ambient + diffuse * 0.35f), 4);
}

} // namespace
} // namespace Velmora
