#include "render/scene_object.hpp"

#include "math/frustum.hpp"
#include "platform/console.hpp"
#include "platform/data_file.hpp"
#include "render/gl_uniforms.hpp"
#include "render/shadow_map.hpp"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <utility>

namespace Velmora::Scene {
namespace {

// Assimp's realtime-quality preset, spelled out so that the flags the meshes are read with stay fixed.
constexpr unsigned int importFlags =
    aiProcess_CalcTangentSpace | aiProcess_JoinIdenticalVertices | aiProcess_Triangulate |
    aiProcess_GenSmoothNormals | aiProcess_SplitLargeMeshes | aiProcess_LimitBoneWeights |
    aiProcess_ImproveCacheLocality | aiProcess_RemoveRedundantMaterials | aiProcess_SortByPType |
    aiProcess_FindDegenerates | aiProcess_FindInvalidData | aiProcess_GenUVCoords;
static_assert(importFlags == 0x79ACB);

// Only a triangle mesh that carries normals and texture coordinates can be drawn; anything else would read
// data the file never had.
bool isDrawableMesh(const aiMesh* mesh) {
    return mesh != nullptr && mesh->mNumFaces > 0 && mesh->mNumVertices > 0 && mesh->HasNormals() &&
           mesh->HasTextureCoords(0) && mesh->mPrimitiveTypes == aiPrimitiveType_TRIANGLE;
}

// A program that does not use an attribute (the screen quad has no normals) gets none bound: feeding location
// -1 to GL would only leave an error behind for the frame loop to report.
void bindAttribute(GLuint program, const char* name, GLuint buffer, GLint components) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const GLint location = glGetAttribLocation(program, name);
    if (location < 0) {
        return;
    }
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

template <typename T> GlBuffer filledBuffer(GLenum target, const std::vector<T>& data) {
    GlBuffer buffer = GlBuffer::generate();
    glBindBuffer(target, buffer);
    glBufferData(target, static_cast<GLsizeiptr>(data.size() * sizeof(T)), data.data(), GL_STATIC_DRAW);
    glBindBuffer(target, 0);
    return buffer;
}

} // namespace

SceneObject::SceneObject(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath)
    : shader(ownProgram), modelMatrix(initialModelMatrix) {
    shadowShader = std::make_unique<Shader>("Shaders/ShadowMapping.vert", "Shaders/ShadowMapping.frag");
    copyMesh(meshPath);
    createBuffers();
    createVertexArray();
}

const aiScene* SceneObject::importObj(const std::string& path) {
    static Assimp::Importer importer;
    if (!isDataFile(path)) {
        printLine("Could not open file: " + path);
        return nullptr;
    }
    const aiScene* scene = importer.ReadFile(path, importFlags);
    if (scene == nullptr) {
        printLine("Import failed" + path);
    }
    return scene;
}

MeshData SceneObject::readMesh(const std::string& meshPath) {
    const aiScene* scene = importObj(meshPath);
    if (scene == nullptr || scene->mMeshes == nullptr || scene->mNumMeshes == 0 ||
        !isDrawableMesh(scene->mMeshes[0])) {
        fatalError("Failed to read .obj - file: " + meshPath);
    }
    const aiMesh* mesh = scene->mMeshes[0];
    MeshData data;
    for (unsigned int i = 0; i < mesh->mNumVertices; ++i) {
        const aiVector3D& position = mesh->mVertices[i];
        const aiVector3D& normal = mesh->mNormals[i];
        const aiVector3D& uv = mesh->mTextureCoords[0][i];
        data.positions.insert(data.positions.end(), {position.x, position.y, position.z});
        data.normals.insert(data.normals.end(), {normal.x, normal.y, normal.z});
        data.uvs.insert(data.uvs.end(), {uv.x, uv.y});
    }
    for (unsigned int f = 0; f < mesh->mNumFaces; ++f) {
        const unsigned int* faceIndices = mesh->mFaces[f].mIndices;
        data.indices.insert(data.indices.end(), {faceIndices[0], faceIndices[1], faceIndices[2]});
    }
    return data;
}

void SceneObject::copyMesh(const std::string& meshPath) {
    MeshData mesh = readMesh(meshPath);
    positions = std::move(mesh.positions);
    indices = std::move(mesh.indices);
    normals = std::move(mesh.normals);
    uvs = std::move(mesh.uvs);
    vertexCount = static_cast<GLuint>(positions.size() / 3);
    indexCount = static_cast<GLuint>(indices.size());
}

void SceneObject::createBuffers() {
    positionBuffer = filledBuffer(GL_ARRAY_BUFFER, positions);
    indexBuffer = filledBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    normalBuffer = filledBuffer(GL_ARRAY_BUFFER, normals);
    uvBuffer = filledBuffer(GL_ARRAY_BUFFER, uvs);
}

void SceneObject::createVertexArray() {
    vao = GlVertexArray::generate();
    glBindVertexArray(vao);
    bindAttribute(shader->program, "position", positionBuffer, 3);
    bindAttribute(shadowShader->program, "position", positionBuffer, 3);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    bindAttribute(shader->program, "normal", normalBuffer, 3);
    bindAttribute(shader->program, "uv", uvBuffer, 2);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void SceneObject::drawShadow() const {
    glUseProgram(shadowShader->program);
    drawIndexedTriangles(vao, indexCount);
    glUseProgram(0);
}

void SceneObject::setShadowLightMatrix(const glm::mat4& lightMVPMatrix) const {
    glUseProgram(shadowShader->program);
    setUniform(shadowShader->program, "lightMVPMatrix", lightMVPMatrix);
}

void SceneObject::followLight(const glm::vec3& light, const ShadowMap& shadowMap) const {
    setShadowLightMatrix(shadowMap.computeLightMVP(light, false, modelMatrix));
}

bool SceneObject::isInViewFrustum(const Frustum& frustum, const glm::mat4& placement,
                                  bool cullingEnabled) const {
    if (!cullingEnabled) {
        return true;
    }
    return isSphereOfPointsInFrustum(frustum, positions, placement);
}

} // namespace Velmora::Scene
