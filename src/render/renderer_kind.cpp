#include "render/renderer_kind.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace Velmora {
namespace {

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// "SWR" is short enough to turn up inside other words, so it counts only as a word of its own.
bool holdsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isNameCharacter(text[at - 1])) &&
            (end == text.size() || !isNameCharacter(text[end]))) {
            return true;
        }
    }
    return false;
}

} // namespace

RendererKind rendererKindOf(const std::string& rendererName) {
    std::string name = rendererName;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    constexpr std::array<const char*, 7> softwareNames = {
        "llvmpipe", "softpipe", "swrast", "software", "lavapipe", "swiftshader", "basic render driver"};
    const bool software =
        std::any_of(softwareNames.begin(), softwareNames.end(),
                    [&](const char* part) { return name.find(part) != std::string::npos; }) ||
        holdsWord(name, "swr");
    return software ? RendererKind::Software : RendererKind::Hardware;
}

RendererKind chosenRendererKind(const char* override, const std::string& rendererName) {
    if (override != nullptr && std::strcmp(override, "software") == 0) {
        return RendererKind::Software;
    }
    if (override != nullptr && std::strcmp(override, "hardware") == 0) {
        return RendererKind::Hardware;
    }
    return rendererKindOf(rendererName);
}

RendererKind currentRendererKind() {
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return chosenRendererKind(std::getenv("VELMORA_RENDERER"), name != nullptr ? name : "");
}

const char* rendererKindName(RendererKind kind) {
    return kind == RendererKind::Software ? "software" : "hardware";
}

} // namespace Velmora
