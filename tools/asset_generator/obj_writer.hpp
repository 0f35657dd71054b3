#pragma once

#include <string>

namespace Velmora {

class MeshBuilder;

// Writes one mesh as a single Wavefront OBJ object; every face corner carries position, uv and normal.
class ObjWriter {
public:
    // Throws std::runtime_error when the file cannot be written.
    static void write(const std::string& path, const std::string& objectName, const MeshBuilder& mesh);
};

} // namespace Velmora
