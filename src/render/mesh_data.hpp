#pragma once

#include <GL/glew.h>
#include <vector>

namespace Velmora {

// The vertex data of one imported triangle mesh, copied out of the importer's scene: x, y, z per position and
// normal, u, v per texture coordinate, three indices per triangle.
struct MeshData {
    std::vector<float> positions;
    std::vector<GLuint> indices;
    std::vector<float> normals;
    std::vector<float> uvs;
};

} // namespace Velmora
