#include "obj_writer.hpp"

#include "mesh_builder.hpp"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace Velmora {
namespace {

// Fixed precision keeps the files byte-identical across runs; tiny values lose their sign so no "-0" appears.
std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", std::abs(value) < 5e-7f ? 0.0f : value);
    return text;
}

} // namespace

void ObjWriter::write(const std::string& path, const std::string& objectName, const MeshBuilder& mesh) {
    std::string out = "o " + objectName + "\n";
    for (const Vertex& v : mesh.vertices()) {
        out += "v " + number(v.position.x) + " " + number(v.position.y) + " " + number(v.position.z) + "\n";
    }
    for (const Vertex& v : mesh.vertices()) {
        out += "vt " + number(v.uv.x) + " " + number(v.uv.y) + "\n";
    }
    for (const Vertex& v : mesh.vertices()) {
        out += "vn " + number(v.normal.x) + " " + number(v.normal.y) + " " + number(v.normal.z) + "\n";
    }
    const auto& indices = mesh.indices();
    for (size_t i = 0; i + 2 < indices.size(); i += 3) {
        out += "f";
        for (size_t k = 0; k < 3; ++k) {
            const std::string index = std::to_string(indices[i + k] + 1);
            out += " " + index + "/" + index + "/" + index;
        }
        out += "\n";
    }
    std::ofstream file(path, std::ios::binary);
    file << out;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace Velmora
