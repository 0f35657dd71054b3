#include "fuzz/fatal_exit_throws.hpp"
#include "render/scene_object.hpp"
#include "support/test_folder.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// What the GL buffers and the frustum test rely on: whole vertices and triangles, and no index past the last
// vertex, which the draw call would read beyond its buffers.
void expectDrawableMesh(const Velmora::MeshData& mesh) {
    const size_t vertexCount = mesh.positions.size() / 3;
    const bool whole = mesh.positions.size() == 3 * vertexCount && mesh.normals.size() == 3 * vertexCount &&
                       mesh.uvs.size() == 2 * vertexCount && mesh.indices.size() % 3 == 0 &&
                       vertexCount > 0 && !mesh.indices.empty();
    if (!whole) {
        std::abort();
    }
    for (const GLuint index : mesh.indices) {
        if (index >= vertexCount) {
            std::abort();
        }
    }
}

} // namespace

// The mesh import up to the copy in memory; the GL upload after it needs a context and is left to the GL
// tests.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TestSupport::TestFolder folder;
    folder.writeFile("Mesh.obj", std::string(reinterpret_cast<const char*>(data), size));
    Velmora::MeshData mesh;
    if (FuzzSupport::finishesWithoutFatalError(
            [&] { mesh = Velmora::Scene::SceneObject::readMesh("Mesh.obj"); })) {
        expectDrawableMesh(mesh);
    }
    return 0;
}
