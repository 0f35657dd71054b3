#include "render/scene_object.hpp"
#include "support/fatal_exit.hpp"
#include "support/test_folder.hpp"

#include <assimp/scene.h>
#include <cmath>
#include <cstring>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::TestFolder;

class PlainObject : public Scene::SceneObject {
public:
    using SceneObject::SceneObject;
    void draw(const ShadowBlur*) override {}
};

const std::string cubeObj = "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\n"
                            "v -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
                            "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                            "vn 0 0 1\nvn 0 0 -1\nvn -1 0 0\nvn 1 0 0\nvn 0 1 0\nvn 0 -1 0\n"
                            "f 5/1/1 6/2/1 7/3/1 8/4/1\nf 2/1/2 1/2/2 4/3/2 3/4/2\n"
                            "f 1/1/3 5/2/3 8/3/3 4/4/3\nf 6/1/4 2/2/4 3/3/4 7/4/4\n"
                            "f 8/1/5 7/2/5 3/3/5 4/4/5\nf 1/1/6 2/2/6 6/3/6 5/4/6\n";

// A square over the whole clip-space square at depth z = 0.5.
const std::string squareObj = "v -1 -1 0.5\nv 1 -1 0.5\nv 1 1 0.5\nv -1 1 0.5\n"
                              "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                              "f 1/1/1 2/2/1 3/3/1 4/4/1\n";

// The object's own program declares every attribute the vertex array wires up, at the game's locations: the
// one vertex array serves the shadow program too, whose "position" is location 0.
const std::string ownVertex =
    "#version 330 core\nlayout(location = 0) in vec3 position;\n"
    "layout(location = 1) in vec3 normal;\nlayout(location = 2) in vec2 uv;\nout vec3 tint;\n"
    "void main() { tint = normal + vec3(uv, 0.0); gl_Position = vec4(position, 1.0); }\n";
const std::string ownFragment = "#version 330 core\nin vec3 tint;\nout vec4 fragColor;\n"
                                "void main() { fragColor = vec4(tint, 1.0); }\n";

// A folder with the object's own program and the game's shadow program, which every object loads by its
// relative path; the default argument is read before the folder becomes the working directory.
class MeshFolder : public TestFolder {
public:
    explicit MeshFolder(const std::filesystem::path& gameFolder = std::filesystem::current_path()) {
        std::filesystem::copy(gameFolder / "Shaders", path() / "Shaders");
        writeFile("own.vert", ownVertex);
        writeFile("own.frag", ownFragment);
    }
};

// Builds an object from the mesh in a child process; the read message must directly follow the import
// message.
void expectReadFailure(const std::string& meshPath, const std::string& importLine = "") {
    Shader own("own.vert", "own.frag");
    const std::string readLine = TestSupport::lineMatching("Failed to read .obj - file: " + meshPath);
    EXPECT_EXIT(
        {
            TestSupport::routeOutputToErrorStream();
            PlainObject(glm::mat4(1.0f), &own, meshPath);
        },
        testing::ExitedWithCode(TestSupport::fatalExitStatus),
        importLine.empty()
            ? readLine
            : TestSupport::lineMatching(importLine) +
                  TestSupport::literalPattern("Failed to read .obj - file: " + meshPath) + "\n");
}

GLint attributeBuffer(GLuint program, const char* name) {
    const GLint location = glGetAttribLocation(program, name);
    GLint buffer = 0;
    glGetVertexAttribiv(static_cast<GLuint>(location), GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
    return buffer;
}

TEST(SceneObjectGL, ImportsQuadsAsTrianglesAndWiresEveryBufferIntoTheVertexArray) {
    const MeshFolder folder;
    folder.writeFile("cube.obj", cubeObj);
    Shader own("own.vert", "own.frag");
    const glm::mat4 placed = glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(10, 20, 30)), glm::vec3(3));
    PlainObject cube(placed, &own, "cube.obj");

    EXPECT_EQ(cube.indexCount, 3u * 12u);
    ASSERT_EQ(cube.indices.size(), cube.indexCount);
    // Each corner of each face has its own normal, so no two face corners join.
    EXPECT_EQ(cube.vertexCount, 24u);
    EXPECT_EQ(cube.vertexCount, Scene::SceneObject::importObj("cube.obj")->mMeshes[0]->mNumVertices);
    EXPECT_EQ(cube.positions.size(), 3u * cube.vertexCount);
    EXPECT_EQ(cube.normals.size(), 3u * cube.vertexCount);
    EXPECT_EQ(cube.uvs.size(), 2u * cube.vertexCount);
    for (const GLuint index : cube.indices) {
        EXPECT_LT(index, cube.vertexCount);
    }
    for (const float coordinate : cube.positions) {
        EXPECT_EQ(std::abs(coordinate), 1.0f);
    }
    const std::vector<float> objectSpace = cube.positions;
    cube.modelMatrix = glm::rotate(placed, 1.0f, glm::vec3(0, 1, 0));
    EXPECT_EQ(cube.positions, objectSpace);

    glBindVertexArray(cube.vao);
    EXPECT_EQ(attributeBuffer(own.program, "position"), static_cast<GLint>(cube.positionBuffer));
    EXPECT_EQ(attributeBuffer(own.program, "normal"), static_cast<GLint>(cube.normalBuffer));
    EXPECT_EQ(attributeBuffer(own.program, "uv"), static_cast<GLint>(cube.uvBuffer));
    EXPECT_EQ(attributeBuffer(cube.shadowShader->program, "position"),
              static_cast<GLint>(cube.positionBuffer));
    GLint elements = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elements);
    EXPECT_EQ(elements, static_cast<GLint>(cube.indexBuffer));
    glBindVertexArray(0);
}

TEST(SceneObjectGL, KeepsOnlyTheFirstOfSeveralObjects) {
    const MeshFolder folder;
    folder.writeFile("two.obj", "o first\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n"
                                "f 1/1/1 2/2/1 3/3/1\n"
                                "o second\nv 0 0 5\nv 1 0 5\nv 1 1 5\nv 0 1 5\n"
                                "f 4/1/1 5/2/1 6/3/1 7/1/1\n");
    Shader own("own.vert", "own.frag");
    ASSERT_EQ(Scene::SceneObject::importObj("two.obj")->mNumMeshes, 2u);

    const PlainObject first(glm::mat4(1.0f), &own, "two.obj");

    EXPECT_EQ(first.vertexCount, 3u);
    EXPECT_EQ(first.indexCount, 3u);
    ASSERT_EQ(first.positions.size(), 9u);
    for (size_t z = 2; z < first.positions.size(); z += 3) {
        EXPECT_EQ(first.positions[z], 0.0f);
    }
}

TEST(SceneObjectGL, DrawShadowWritesDepthAndLeavesProgramAndVertexArrayUnbound) {
    const MeshFolder folder;
    folder.writeFile("square.obj", squareObj);
    Shader own("own.vert", "own.frag");
    const PlainObject square(glm::mat4(1.0f), &own, "square.obj");
    GLuint depth = 0;
    glGenTextures(1, &depth);
    glBindTexture(GL_TEXTURE_2D, depth);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, 8, 8, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, 8, 8);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);

    square.setShadowLightMatrix(glm::mat4(1.0f));
    glUseProgram(own.program);
    glBindVertexArray(square.vao);
    square.drawShadow();

    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
    GLint vertexArray = -1;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    EXPECT_EQ(vertexArray, 0);
    float written = 0.0f;
    glReadPixels(4, 4, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &written);
    EXPECT_NEAR(written, 0.75f, 0.01f);

    glDisable(GL_DEPTH_TEST);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &depth);
}

TEST(SceneObjectGLDeathTest, UnreadableMeshesEndWithTheReadMessage) {
    const MeshFolder folder;
    folder.writeFile("empty.obj", "");
    folder.writeFile("flat.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
    folder.writeFile("points.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\n");
    std::string garbage;
    for (int i = 0; i < 512; ++i) {
        garbage.push_back(static_cast<char>((i * 73 + 11) % 256));
    }
    folder.writeFile("garbage.obj", garbage);

    expectReadFailure("missing.obj", "Could not open file: missing.obj");
    expectReadFailure("empty.obj", "Import failedempty.obj");
    expectReadFailure("flat.obj");
    expectReadFailure("points.obj");
    expectReadFailure("garbage.obj");
}

} // namespace
} // namespace Velmora
