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
// must find "position" and, where they read it, "uv" where that program has them. The shadow blur addresses
// whole texels by the fragment's position and reads no texture coordinate.
TEST(GlslProgramsGL, FullScreenProgramsShareTheQuadsAttributeLocations) {
    for (const auto& [name, readsUv] : {std::pair<std::string, bool>{"ScreenQuadShader", true},
                                        {"GaussHorizontalShadowShader", false},
                                        {"GaussVerticalShadowShader", false}}) {
        SCOPED_TRACE(name);
        const Shader shader("Shaders/" + name + ".vert", "Shaders/" + name + ".frag");
        EXPECT_EQ(glGetAttribLocation(shader.program, "position"), 0);
        EXPECT_EQ(glGetAttribLocation(shader.program, "uv"), readsUv ? 2 : -1);
    }
}

} // namespace
} // namespace Velmora
