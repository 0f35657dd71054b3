#include "render/shader.hpp"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace Velmora {
namespace {

TEST(GlslProgramsGL, LitProgramsUseTheWholeUniformContractWithFourLanterns) {
    const char* uniforms[] = {"MVPMatrix",
                              "modelMatrix",
                              "normalMatrix",
                              "lightMVPMatrix",
                              "lightVector",
                              "cameraPosition",
                              "ambientFactor",
                              "diffuseFactor",
                              "specularFactor",
                              "shininess",
                              "colorTexture",
                              "shadow_map",
                              "pointLightPositions[3]",
                              "pointLightColors[3]",
                              "pointLightIntensities[3]",
                              "pointLightRanges[3]"};
    for (const char* fragment :
         {"Shaders/celShader.frag", "Shaders/celShaderAsteroid.frag", "Shaders/celShaderPowerUp.frag"}) {
        SCOPED_TRACE(fragment);
        const Shader shader("Shaders/celShader.vert", fragment);
        for (const char* name : uniforms) {
            EXPECT_GE(glGetUniformLocation(shader.program, name), 0) << name;
        }
        EXPECT_EQ(glGetUniformLocation(shader.program, "pointLightRanges[4]"), -1);
        EXPECT_EQ(glGetAttribLocation(shader.program, "position"), 0);
        EXPECT_EQ(glGetAttribLocation(shader.program, "normal"), 1);
        EXPECT_EQ(glGetAttribLocation(shader.program, "uv"), 2);
    }
}

// Every full-screen pass draws through the vertex array recorded for the screen-quad program, so all of them
// must find "position" and "uv" where that program has them. Passes that read their inputs texel for texel
// have no use for "uv".
TEST(GlslProgramsGL, FullScreenProgramsShareTheQuadsAttributeLocations) {
    const std::pair<std::string, GLint> programs[] = {{"ScreenQuadShader", 2},
                                                      {"GaussHorizontalShadowShader", 2},
                                                      {"GaussVerticalShadowShader", 2},
                                                      {"EdgeDetectionShader", 2},
                                                      {"AddEdgesShader", -1},
                                                      {"BrightPassShader", 2},
                                                      {"GaussHorizontalBloom", 2},
                                                      {"GaussVerticalBloom", 2},
                                                      {"BloomShader", -1}};
    for (const auto& [name, uvLocation] : programs) {
        SCOPED_TRACE(name);
        const Shader shader("Shaders/" + name + ".vert", "Shaders/" + name + ".frag");
        EXPECT_EQ(glGetAttribLocation(shader.program, "position"), 0);
        EXPECT_EQ(glGetAttribLocation(shader.program, "uv"), uvLocation);
    }
}

} // namespace
} // namespace Velmora
