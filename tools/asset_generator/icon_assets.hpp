#pragma once

#include <filesystem>
#include <string>

namespace Velmora {

class Image;

// The game's desktop icon, the character's one-eyed face against the sky. Each size is drawn on its own pixel
// grid, so the small icons of menus and task bars stay sharp instead of being shrunk from a large one.
class IconAssets {
public:
    // Writes <root>/<size>x<size>/apps/<name>.png, the layout of an icon theme.
    static void write(const std::filesystem::path& root, const std::string& name, int size);

private:
    static Image draw(int size);
};

} // namespace Velmora
