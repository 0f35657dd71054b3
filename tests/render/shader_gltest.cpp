#include "render/shader.hpp"
#include "support/fatal_exit.hpp"
#include "support/test_folder.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::TestFolder;

const std::string vertexSource = "#version 330 core\n"
                                 "in vec3 position;\n"
                                 "out vec3 tint;\n"
                                 "void main() {\n"
                                 "    tint = position;\n"
                                 "    gl_Position = vec4(position, 1.0);\n"
                                 "}\n";
// Two outputs, "glow" declared first, so that only the binding puts "fragColor" on colour 0; no final newline.
const std::string fragmentSource = "#version 330 core\n"
                                   "in vec3 tint;\n"
                                   "out vec4 glow;\n"
                                   "out vec4 fragColor;\n"
                                   "void main() {\n"
                                   "    glow = vec4(1.0);\n"
                                   "    fragColor = vec4(tint, 1.0);\n"
                                   "}";

GLint shaderType(GLuint shader) {
    GLint type = 0;
    glGetShaderiv(shader, GL_SHADER_TYPE, &type);
    return type;
}

// The message line, then the info log on at least one non-empty line.
std::string lineAndLog(const std::string& message) {
    return TestSupport::lineMatching(message) + "[^\n]+";
}

void writeStages(const TestFolder& folder) {
    folder.writeFile("good.vert", vertexSource);
    folder.writeFile("good.frag", fragmentSource);
}

TEST(ShaderGL, CompilesAndLinksAPairWithFragColorOnColourZeroAndDeletesItAll) {
    TestFolder folder;
    writeStages(folder);
    GLuint program = 0;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    {
        const Shader shader("good.vert", "good.frag");
        program = shader.program;
        vertexShader = shader.vertexShader;
        fragmentShader = shader.fragmentShader;
        ASSERT_NE(program, 0u);
        ASSERT_NE(vertexShader, 0u);
        ASSERT_NE(fragmentShader, 0u);
        EXPECT_EQ(shaderType(vertexShader), GL_VERTEX_SHADER);
        EXPECT_EQ(shaderType(fragmentShader), GL_FRAGMENT_SHADER);
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked, GL_TRUE);
        GLint attached = 0;
        glGetProgramiv(program, GL_ATTACHED_SHADERS, &attached);
        EXPECT_EQ(attached, 2);
        EXPECT_EQ(glGetFragDataLocation(program, "fragColor"), 0);
        EXPECT_GE(glGetAttribLocation(program, "position"), 0);
    }
    EXPECT_EQ(glIsProgram(program), GL_FALSE);
    EXPECT_EQ(glIsShader(vertexShader), GL_FALSE);
    EXPECT_EQ(glIsShader(fragmentShader), GL_FALSE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(ShaderGLDeathTest, StagesThatDoNotCompileEndWithThePathAndTheLog) {
    TestFolder folder;
    writeStages(folder);
    folder.writeFile("broken.vert", "#version 330 core\nvoid main() { gl_Position = vec4(1.0) }\n");
    folder.writeFile("broken.frag",
                     "#version 330 core\nout vec4 fragColor;\nvoid main() { fragColor = missingValue; }\n");
    folder.writeFile("empty.frag", "");

    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Shader("broken.vert", "good.frag");
        },
        testing::ExitedWithCode(255), lineAndLog("Failed to compile shader: broken.vert"));
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Shader("good.vert", "broken.frag");
        },
        testing::ExitedWithCode(255), lineAndLog("Failed to compile shader: broken.frag"));
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Shader("good.vert", "empty.frag");
        },
        testing::ExitedWithCode(255), lineAndLog("Failed to compile shader: empty.frag"));
}

TEST(ShaderGLDeathTest, MissingFilesAndFoldersEndWithTheOpenMessage) {
    TestFolder folder;
    writeStages(folder);
    folder.writeFile("folder.frag/inside.txt", "not a shader");

    EXPECT_FATAL_LINE(Shader("missing.vert", "good.frag"), "Failed to open shader file: missing.vert");
    EXPECT_FATAL_LINE(Shader("good.vert", "missing.frag"), "Failed to open shader file: missing.frag");
    EXPECT_FATAL_LINE(Shader("good.vert", "folder.frag"), "Failed to open shader file: folder.frag");
}

TEST(ShaderGLDeathTest, StagesThatDoNotMatchEndWithTheLinkMessageAndTheLog) {
    TestFolder folder;
    writeStages(folder);
    folder.writeFile("silent.vert", "#version 330 core\nin vec3 position;\n"
                                    "void main() { gl_Position = vec4(position, 1.0); }\n");

    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Shader("silent.vert", "good.frag");
        },
        testing::ExitedWithCode(255), lineAndLog("Failed to link shader program!"));
}

} // namespace
} // namespace Velmora
