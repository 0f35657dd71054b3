#include "support/test_folder.hpp"

#include <fstream>

namespace TestSupport {

TestFolder::TestFolder()
    : folder(makeTemporaryFolder()), previous(std::filesystem::current_path()),
      settingsHome(userSettingsVariable, (folder / "settings").string().c_str()) {
    std::filesystem::current_path(folder);
}

TestFolder::~TestFolder() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void TestFolder::writeFile(const std::string& relativePath, const std::string& content) const {
    const std::filesystem::path target = folder / relativePath;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << content;
}

} // namespace TestSupport
