#include "render/renderer_kind.hpp"

#include "platform/console.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

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

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

std::string trimmed(const std::string& text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

RendererKind rendererKindOf(const std::string& rendererName) {
    const std::string name = lowerCase(rendererName);
    constexpr std::array<const char*, 7> softwareNames = {
        "llvmpipe", "softpipe", "swrast", "software", "lavapipe", "swiftshader", "basic render driver"};
    const bool software =
        std::any_of(softwareNames.begin(), softwareNames.end(),
                    [&](const char* part) { return name.find(part) != std::string::npos; }) ||
        holdsWord(name, "swr");
    return software ? RendererKind::Software : RendererKind::Hardware;
}

RendererKind chosenRendererKind(const char* override, const std::string& rendererName) {
    const std::string word = override != nullptr ? lowerCase(trimmed(override)) : "";
    if (word == "software") {
        return RendererKind::Software;
    }
    if (word == "hardware") {
        return RendererKind::Hardware;
    }
    if (override != nullptr && *override != '\0') {
        printLine("VELMORA_RENDERER must be 'software' or 'hardware'; the renderer's name decides instead");
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
