#pragma once

#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/scene_object.hpp"
#include "render/texture.hpp"

namespace Velmora {

class Camera;
class ShadowMap;

namespace Scene {

// A cel-shaded mesh with a colour texture and a material: the uniform contract every lit program shares, and
// the textured draw that also samples the blurred shadow map. Texture and material belong to the model's
// holder.
class LitModel : public SceneObject {
public:
    // Models drawn with one fixed matrix send it with their material; models whose matrix changes per
    // instance or per frame (asteroids, the player's parts) send it only with the frame uniforms.
    enum class MatrixUpload { WithMaterial, PerFrameOnly };

    LitModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath,
             MatrixUpload matrixUpload);

    void draw(const ShadowBlur* shadowBlur) override;
    // Draws the mesh instanceCount times in one call with the colour texture; the program must take its
    // matrices from instance attributes.
    void drawInstances(GLsizei instanceCount, const ShadowBlur& shadowBlur);
    void setMaterialAndLights(PointLightArrays lights);
    void setFrameUniforms(const glm::vec3& lightVector, const Camera& camera, const ShadowMap& shadowMap);
    // The frame uniforms in two halves, for a model drawn with many matrices in one frame: light and camera
    // once, then the four matrices of the current modelMatrix before each draw.
    void setLightAndCamera(const glm::vec3& lightVector, const Camera& camera);
    void setMatrices(const glm::vec3& lightVector, const Camera& camera, const ShadowMap& shadowMap);
    // The same, from the camera's view-projection and the shadow map's biased light view-projection, which a
    // frame's asteroids share and which are worked out once for all of them.
    void setMatrices(const glm::mat4& viewProjection, const glm::mat4& lightViewProjection);

    Texture* colorTexture = nullptr;
    Material* material = nullptr;

protected:
    void drawWithTexture(const Texture& texture, const ShadowBlur& shadowBlur);

private:
    void bindTextures(const Texture& texture, const ShadowBlur& shadowBlur);
    static void unbindTextures();

    MatrixUpload matrixUpload;
};

} // namespace Scene
} // namespace Velmora
