#include "asset_folder.hpp"
#include "building_assets.hpp"
#include "font_assets.hpp"
#include "image.hpp"
#include "item_assets.hpp"
#include "mesh_builder.hpp"
#include "obj_writer.hpp"
#include "player_assets.hpp"
#include "png_writer.hpp"
#include "sound_assets.hpp"
#include "support/test_folder.hpp"
#include "wav_writer.hpp"
#include "world_assets.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <png.h>
#include <sstream>

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

std::uint32_t le32(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::int16_t le16(const std::string& bytes, size_t at) {
    std::int16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

void writeAllAssets(const std::filesystem::path& root) {
    const Velmora::AssetFolder folder(root);
    Velmora::WorldAssets::write(folder);
    Velmora::PlayerAssets::write(folder);
    Velmora::BuildingAssets::write(folder);
    Velmora::ItemAssets::write(folder);
    Velmora::SoundAssets::write(folder);
    Velmora::FontAssets::write(folder, VELMORA_FONT_FILE);
}

// Lowest and highest y of the "v" lines of an OBJ file.
std::pair<float, float> heightRange(const std::filesystem::path& path) {
    std::istringstream lines(readFile(path));
    std::pair<float, float> range(1e9f, -1e9f);
    std::string tag;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        float x = 0.0f;
        float y = 0.0f;
        if (fields >> tag && tag == "v" && fields >> x >> y) {
            range = {std::min(range.first, y), std::max(range.second, y)};
        }
    }
    return range;
}

} // namespace

TEST(AssetWriters, PngRoundTripsThroughLibpngAsEightBitRgb) {
    TestSupport::TestFolder folder;
    Velmora::Image image(5, 3, glm::vec3(0.0f));
    image.set(0, 0, {1.0f, 0.0f, 0.0f});
    image.set(4, 2, {0.0f, 0.5f, 2.0f});
    Velmora::PngWriter::write("picture.png", image);

    png_image read;
    std::memset(&read, 0, sizeof read);
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&read, "picture.png"));
    EXPECT_EQ(read.width, 5u);
    EXPECT_EQ(read.height, 3u);
    EXPECT_EQ(read.format & PNG_FORMAT_FLAG_ALPHA, 0u);
    EXPECT_NE(read.format & PNG_FORMAT_FLAG_COLOR, 0u);
    read.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(pixels[0], 255);
    EXPECT_EQ(pixels[1], 0);
    const size_t last = (2 * 5 + 4) * 3;
    EXPECT_EQ(pixels[last], 0);
    EXPECT_EQ(pixels[last + 1], 128);
    EXPECT_EQ(pixels[last + 2], 255);
}

TEST(AssetWriters, WavHeaderDescribesMonoSixteenBitPcmAndClipsSamples) {
    TestSupport::TestFolder folder;
    Velmora::WavWriter::write("sound.wav", {0.0f, 1.0f, -2.0f});
    const std::string bytes = readFile("sound.wav");
    ASSERT_EQ(bytes.size(), 44u + 6u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(le32(bytes, 4), 36u + 6u);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le16(bytes, 20), 1);
    EXPECT_EQ(le16(bytes, 22), 1);
    EXPECT_EQ(le32(bytes, 24), 44100u);
    EXPECT_EQ(le16(bytes, 34), 16);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(le32(bytes, 40), 6u);
    EXPECT_EQ(le16(bytes, 44), 0);
    EXPECT_EQ(le16(bytes, 46), 32767);
    EXPECT_EQ(le16(bytes, 48), -32767);
}

TEST(AssetWriters, ObjFacesReferenceMatchingPositionUvAndNormalEntries) {
    TestSupport::TestFolder folder;
    Velmora::MeshBuilder mesh;
    mesh.addBox(glm::vec3(-1.0f), glm::vec3(1.0f), Velmora::UvRect{});
    Velmora::ObjWriter::write("box.obj", "Box", mesh);
    std::istringstream lines(readFile("box.obj"));
    std::map<std::string, size_t> counts;
    std::vector<std::string> corners;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string tag;
        fields >> tag;
        ++counts[tag];
        for (std::string corner; tag == "f" && fields >> corner;) {
            corners.push_back(corner);
        }
    }
    EXPECT_EQ(counts["o"], 1u);
    EXPECT_EQ(counts["v"], mesh.vertices().size());
    EXPECT_EQ(counts["vt"], counts["v"]);
    EXPECT_EQ(counts["vn"], counts["v"]);
    EXPECT_EQ(corners.size(), 3 * counts["f"]);
    EXPECT_EQ(counts["f"], 12u);
    for (const std::string& corner : corners) {
        int v = 0, vt = 0, vn = 0;
        ASSERT_EQ(std::sscanf(corner.c_str(), "%d/%d/%d", &v, &vt, &vn), 3) << corner;
        EXPECT_TRUE(v >= 1 && v <= static_cast<int>(counts["v"])) << corner;
        EXPECT_TRUE(v == vt && v == vn) << corner;
    }
}

TEST(AssetWriters, GeneratorIsRepeatableAndKeepsTheGroundLevels) {
    TestSupport::TestFolder folder;
    writeAllAssets("first");
    writeAllAssets("second");
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("first")) {
        if (entry.is_regular_file()) {
            ++files;
            const auto twin = "second" / std::filesystem::relative(entry.path(), "first");
            EXPECT_EQ(readFile(entry.path()), readFile(twin)) << entry.path();
        }
    }
    EXPECT_EQ(files, 15u + 17u + 3u + 2u);
    // Soles on the ground 0.05 below the hip, the lantern's foot just below the ground.
    EXPECT_NEAR(heightRange("first/SceneObjects/Player_Foot_Left.obj").first, -0.05f, 1e-4f);
    EXPECT_NEAR(heightRange("first/SceneObjects/Player_Head.obj").second, 0.073f, 1e-4f);
    EXPECT_NEAR(heightRange("first/SceneObjects/Lantern.obj").first, -0.01f, 1e-6f);
    EXPECT_NEAR(heightRange("first/SceneObjects/House.obj").first, -0.06f, 1e-6f);
    EXPECT_NEAR(heightRange("first/SceneObjects/SkyCube.obj").second, 8.0f, 1e-6f);
}

TEST(AssetWriters, GlyphAtlasHasACellPerCharacterInkedOnlyWhereTheFontIs) {
    TestSupport::TestFolder folder;
    Velmora::FontAssets::write(Velmora::AssetFolder("."), VELMORA_FONT_FILE);
    std::istringstream table(readFile("Textures/FontAtlas.txt"));
    int cellWidth = 0, cellHeight = 0, columns = 0;
    table >> cellWidth >> cellHeight >> columns;
    std::vector<unsigned int> points;
    for (unsigned int point = 0; table >> point;) {
        points.push_back(point);
    }
    EXPECT_EQ(points, Velmora::FontAssets::codePoints());
    png_image read;
    std::memset(&read, 0, sizeof read);
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&read, "Textures/FontAtlas.png"));
    read.format = PNG_FORMAT_GRAY;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, pixels.data(), 0, nullptr));
    ASSERT_EQ(read.width, static_cast<unsigned int>(columns * cellWidth));
    // The summed ink of a character's cell: none for the space, full for the solid cell.
    const auto ink = [&](unsigned int point) {
        const auto cell = static_cast<int>(std::find(points.begin(), points.end(), point) - points.begin());
        int sum = 0;
        for (int y = cell / columns * cellHeight; y < (cell / columns + 1) * cellHeight; ++y) {
            for (int x = cell % columns * cellWidth; x < (cell % columns + 1) * cellWidth; ++x) {
                sum += pixels[static_cast<size_t>(y) * read.width + x];
            }
        }
        return sum;
    };
    EXPECT_EQ(ink(' '), 0);
    EXPECT_GT(ink('A'), 255 * 10);
    EXPECT_GT(ink('W'), ink('.'));
    EXPECT_EQ(ink(Velmora::FontAssets::solidCell), 255 * cellWidth * cellHeight);
}
