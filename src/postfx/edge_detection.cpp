#include "postfx/edge_detection.hpp"

#include "math/camera.hpp"
#include "render/full_screen_pass.hpp"
#include "render/gl_uniforms.hpp"

namespace Velmora {

EdgeDetection::EdgeDetection()
    : edgeTarget(width, height), resultTarget(width, height), edgeTexture(edgeTarget.texture),
      resultTexture(resultTarget.texture),
      addEdgesShader(std::make_unique<Shader>("Shaders/AddEdgesShader.vert", "Shaders/AddEdgesShader.frag")),
      edgeShader(
          std::make_unique<Shader>("Shaders/EdgeDetectionShader.vert", "Shaders/EdgeDetectionShader.frag")) {
    // The edge program turns stored depth back into distance from the eye with the game's own projection,
    // which never changes.
    glUseProgram(edgeShader->program);
    setUniform(edgeShader->program, "nearPlane", Camera::nearPlane);
    setUniform(edgeShader->program, "farPlane", Camera::farPlane);
    glUseProgram(0);
}

void EdgeDetection::applyEdges(GLuint sceneColorTexture, GLuint sceneDepthTexture, GLuint quadVao,
                               GLuint quadIndexCount) const {
    glViewport(0, 0, width, height);
    drawFullScreenPass(edgeTarget, *edgeShader, {{"depthTexture", sceneDepthTexture}}, quadVao,
                       quadIndexCount);
    drawFullScreenPass(resultTarget, *addEdgesShader,
                       {{"colorTexture", sceneColorTexture}, {"edgeTexture", edgeTexture}}, quadVao,
                       quadIndexCount);
}

} // namespace Velmora
