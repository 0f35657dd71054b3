#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Velmora {

class Image;
class MeshBuilder;

// The output folder with the three sub-folders the game loads its generated data from.
class AssetFolder {
public:
    // Creates SceneObjects, Textures and Sounds below root if they are missing.
    explicit AssetFolder(const std::filesystem::path& root);

    void writeMesh(const std::string& name, const MeshBuilder& mesh) const;
    void writeTexture(const std::string& name, const Image& image) const;
    void writeSound(const std::string& name, const std::vector<float>& samples) const;
    // A plain text file at a path below the root, such as a texture's table.
    void writeText(const std::string& relativePath, const std::string& text) const;

private:
    std::filesystem::path root_;
};

} // namespace Velmora
