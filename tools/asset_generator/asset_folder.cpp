#include "asset_folder.hpp"

#include "obj_writer.hpp"
#include "png_writer.hpp"
#include "wav_writer.hpp"

#include <fstream>
#include <stdexcept>

namespace Velmora {

AssetFolder::AssetFolder(const std::filesystem::path& root) : root_(root) {
    for (const char* folder : {"SceneObjects", "Textures", "Sounds"}) {
        std::filesystem::create_directories(root_ / folder);
    }
}

void AssetFolder::writeMesh(const std::string& name, const MeshBuilder& mesh) const {
    ObjWriter::write((root_ / "SceneObjects" / (name + ".obj")).string(), name, mesh);
}

void AssetFolder::writeTexture(const std::string& name, const Image& image) const {
    PngWriter::write((root_ / "Textures" / (name + ".png")).string(), image);
}

void AssetFolder::writeSound(const std::string& name, const std::vector<float>& samples) const {
    WavWriter::write((root_ / "Sounds" / (name + ".wav")).string(), samples);
}

void AssetFolder::writeText(const std::string& relativePath, const std::string& text) const {
    std::ofstream file(root_ / relativePath, std::ios::binary);
    if (!(file << text)) {
        throw std::runtime_error("cannot write " + relativePath);
    }
}

} // namespace Velmora
