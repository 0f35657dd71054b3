#pragma once

#include "render/gl_name.hpp"
#include "render/mesh_data.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <memory>
#include <string>
#include <vector>

struct aiScene;

namespace Velmora {

class Frustum;
class ShadowBlur;
class ShadowMap;

namespace Scene {

// The base of every drawable mesh: vertex data kept in memory for the frustum test, GL buffers bound in one
// vertex array that serves both the object's own program and its shadow program, and the object's model
// matrix.
class SceneObject {
public:
    SceneObject(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    virtual ~SceneObject() = default;

    virtual void draw(const ShadowBlur* shadowBlur) = 0;
    void drawShadow() const;
    // The light matrix stays set in the object's own shadow program until the shadow pass draws it.
    void setShadowLightMatrix(const glm::mat4& lightMVPMatrix) const;
    // The light matrix of the object where it stands now, seen from the sun in the given direction.
    void followLight(const glm::vec3& light, const ShadowMap& shadowMap) const;
    // The mesh placed by the given matrix, which one mesh drawn in many places need not make its own.
    bool isInViewFrustum(const Frustum& frustum, const glm::mat4& placement, bool cullingEnabled) const;

    // One importer serves the whole game; the scene it returns lives until the next import.
    static const aiScene* importObj(const std::string& path);
    // Imports the mesh and copies it out of the importer's scene, ending the program if it cannot be drawn.
    // It needs no GL context.
    static MeshData readMesh(const std::string& meshPath);

    Shader* shader = nullptr;
    std::vector<float> positions;
    std::vector<GLuint> indices;
    std::vector<float> normals;
    std::vector<float> uvs;
    GLuint vertexCount = 0;
    GLuint indexCount = 0;
    glm::mat4 modelMatrix{1.0f};
    // Released from the bottom up: the buffers, then the vertex array that read them, then the shadow
    // program.
    std::unique_ptr<Shader> shadowShader;
    GlVertexArray vao;
    GlBuffer uvBuffer;
    GlBuffer normalBuffer;
    GlBuffer indexBuffer;
    GlBuffer positionBuffer;

private:
    void copyMesh(const std::string& meshPath);
    void createBuffers();
    void createVertexArray();
};

} // namespace Scene
} // namespace Velmora
