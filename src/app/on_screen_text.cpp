#include "app/on_screen_text.hpp"

#include "app/controls_table.hpp"
#include "app/game_state.hpp"
#include "app/message_panel.hpp"
#include "platform/console.hpp"
#include "render/text_overlay.hpp"

#include <GLFW/glfw3.h>
#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace Velmora {
namespace {

using CardRow = std::array<std::string, 3>;

// The hearts' margin; the panel starts below their row, which is 48 pixels high.
constexpr int margin = 16;
constexpr int panelTop = margin + 48 + 8;
constexpr int padding = 4;
const glm::vec4 boxColor(0.0f, 0.0f, 0.0f, 0.6f);
// Darker, since the card lies over the middle of the picture.
const glm::vec4 cardColor(0.0f, 0.0f, 0.0f, 0.75f);
const glm::vec4 textColor(1.0f);
const glm::vec4 headingColor(1.0f, 0.85f, 0.4f, 1.0f);
const char* const startLine =
    "Enter or A: start the shower \u00b7 Space: pause \u00b7 Escape: quit \u00b7 F1: keys";
// Long enough to be read while the first frames come up.
constexpr double startLineSeconds = 10.0;

void addBoxedLine(const glm::ivec2& corner, const std::string& line) {
    const glm::ivec2 size(textOverlay->textWidth(line) + 2 * padding,
                          textOverlay->lineHeight() + 2 * padding);
    textOverlay->addBox(corner, size, boxColor);
    textOverlay->addText(corner + padding, line, textColor);
}

void addPanel() {
    int top = panelTop;
    for (const std::string& line : messagePanel->linesAt(glfwGetTime())) {
        addBoxedLine({margin, top}, line);
        top += textOverlay->lineHeight() + 2 * padding + 2;
    }
}

// Splits text at spaces into lines no wider than the width; a word wider than that keeps a line of its own.
std::vector<std::string> wrapped(const std::string& text, int width) {
    std::vector<std::string> lines(1);
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::string longer = lines.back().empty() ? word : lines.back() + " " + word;
        if (textOverlay->textWidth(longer) <= width || lines.back().empty()) {
            lines.back() = longer;
        } else {
            lines.push_back(word);
        }
    }
    return lines;
}

// The heading and one row a control, the actions wrapped to what the window leaves them.
std::vector<CardRow> cardRows(std::array<int, 3>& widths, int gap) {
    std::vector<CardRow> rows = {{"Keys", "Gamepad", "Action"}};
    for (const ControlRow& control : controlRows()) {
        rows.push_back({control.keys, control.gamepad, control.action});
    }
    for (const CardRow& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], textOverlay->textWidth(row[column]));
        }
    }
    const int room = windowWidth - 2 * margin - 4 * padding - 2 * gap - widths[0] - widths[1];
    widths[2] = std::min(widths[2], std::max(room, 12 * textOverlay->textWidth(" ")));
    std::vector<CardRow> lines;
    for (const CardRow& row : rows) {
        const std::vector<std::string> action = wrapped(row[2], widths[2]);
        for (size_t part = 0; part < action.size(); ++part) {
            lines.push_back(part == 0 ? CardRow{row[0], row[1], action[0]} : CardRow{"", "", action[part]});
        }
    }
    return lines;
}

// In the middle of the window, on one box; the heading in its own colour.
void addControlsCard() {
    const int gap = 2 * textOverlay->textWidth(" ");
    std::array<int, 3> widths{};
    const std::vector<CardRow> lines = cardRows(widths, gap);
    const int lineHeight = textOverlay->lineHeight();
    const glm::ivec2 size(widths[0] + widths[1] + widths[2] + 2 * gap + 4 * padding,
                          static_cast<int>(lines.size()) * lineHeight + 4 * padding);
    const glm::ivec2 corner = glm::max(glm::ivec2(windowWidth, windowHeight) / 2 - size / 2, glm::ivec2(0));
    textOverlay->addBox(corner, size, cardColor);
    for (size_t line = 0; line < lines.size(); ++line) {
        glm::ivec2 place = corner + 2 * padding + glm::ivec2(0, static_cast<int>(line) * lineHeight);
        for (size_t column = 0; column < 3; ++column) {
            textOverlay->addText(place, lines[line][column], line == 0 ? headingColor : textColor);
            place.x += widths[column] + gap;
        }
    }
}

} // namespace

void setUpOnScreenText() {
    textOverlay = std::make_unique<TextOverlay>();
    textOverlay->setWindowSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
    messagePanel = std::make_unique<MessagePanel>();
    // The option may be switched after set-up, so every line is heard and the option decides at once.
    setLineListener([](const std::string& line) {
        if (onScreenMessages) {
            messagePanel->add(line, glfwGetTime());
        }
    });
    if (onScreenMessages) {
        messagePanel->add(startLine, glfwGetTime(), startLineSeconds);
    }
}

void showOnScreenText() {
    addPanel();
    if (controlsCardShown) {
        addControlsCard();
    }
    textOverlay->draw();
}

void toggleControlsCard() {
    controlsCardShown = !controlsCardShown;
}

void cleanUpOnScreenText() {
    setLineListener(nullptr);
    textOverlay.reset();
    messagePanel.reset();
}

} // namespace Velmora
