#include "render/shader.hpp"
#include "support/fatal_exit.hpp"
#include "support/test_folder.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::TestFolder;

const std::string vertexSource = "#version 330 core\nin vec3 position;\nout vec3 tint;\n"
                                 "void main() { tint = position; gl_Position = vec4(position, 1.0); }\n";
// Two outputs, "glow" declared first, so that only the binding puts "fragColor" on colour 0; no final
// newline.
const std::string fragmentSource = "#version 330 core\nin vec3 tint;\nout vec4 glow;\nout vec4 fragColor;\n"
                                   "void main() { glow = vec4(1.0); fragColor = vec4(tint, 1.0); }";

GLint shaderType(GLuint shader) {
    GLint type = 0;
    glGetShaderiv(shader, GL_SHADER_TYPE, &type);
    return type;
}

// Builds the pair in a child process and expects the message line, then the info log on a non-empty line.
void expectFailureWithLog(const std::string& vertexPath, const std::string& fragmentPath,
                          const std::string& message) {
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            Shader(vertexPath, fragmentPath);
        },
        testing::ExitedWithCode(TestSupport::fatalExitStatus),
        TestSupport::lineMatching(message) + TestSupport::restOfLinePattern);
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
    }
    EXPECT_EQ(glIsProgram(program), GL_FALSE);
    EXPECT_EQ(glIsShader(vertexShader), GL_FALSE);
    EXPECT_EQ(glIsShader(fragmentShader), GL_FALSE);
}

TEST(ShaderGLDeathTest, StagesThatDoNotCompileEndWithThePathAndTheLog) {
    TestFolder folder;
    writeStages(folder);
    folder.writeFile("broken.vert", "#version 330 core\nvoid main() { gl_Position = vec4(1.0) }\n");
    folder.writeFile("broken.frag",
                     "#version 330 core\nout vec4 fragColor;\nvoid main() { fragColor = missingValue; }\n");
    folder.writeFile("empty.frag", "");

    expectFailureWithLog("broken.vert", "good.frag", "Failed to compile shader: broken.vert");
    expectFailureWithLog("good.vert", "broken.frag", "Failed to compile shader: broken.frag");
    expectFailureWithLog("good.vert", "empty.frag", "Failed to compile shader: empty.frag");
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
    folder.writeFile("narrow.vert",
                     "#version 330 core\nin vec3 position;\nout vec2 tint;\n"
                     "void main() { tint = position.xy; gl_Position = vec4(position, 1.0); }\n");

    expectFailureWithLog("narrow.vert", "good.frag", "Failed to link shader program!");
}

} // namespace
} // namespace Velmora
