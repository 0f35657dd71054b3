#include "app/on_screen_text.hpp"

#include "app/controls_table.hpp"
#include "app/game_state.hpp"
#include "app/message_panel.hpp"
#include "app/round_end.hpp"
#include "platform/console.hpp"
#include "render/text_overlay.hpp"

#include <GLFW/glfw3.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace Velmora {
namespace {

using CardRow = std::array<std::string, 3>;

// The hearts' margin; the panel starts below their row, which is 48 pixels high. The three hearts end at 176
// pixels from the left.
constexpr int margin = 16;
constexpr int panelTop = margin + 48 + 8;
const glm::ivec2 heartsCorner(176 + 8, panelTop);
constexpr int padding = 4;
const glm::vec4 boxColor(0.0f, 0.0f, 0.0f, 0.6f);
// Darker, since the card lies over the middle of the picture.
const glm::vec4 cardColor(0.0f, 0.0f, 0.0f, 0.75f);
const glm::vec4 textColor(1.0f);
const glm::vec4 headingColor(1.0f, 0.85f, 0.4f, 1.0f);
// Each fits a window 640 pixels wide.
const char* const keysStartLine =
    "Enter: play \u00b7 WASD: walk \u00b7 mouse: look \u00b7 Space: pause \u00b7 F1: keys \u00b7 Esc: quit";
const char* const padStartLine =
    "A: play \u00b7 left stick: walk \u00b7 right stick: look \u00b7 Start: pause \u00b7 Back: quit";
// The frame rate in the window is counted over this long.
constexpr double frameRateSeconds = 0.5;

struct FrameRate {
    double countedFrom = 0.0;
    int frames = 0;
    std::string line;
};
FrameRate frameRate;

// About 14 pixels a glyph at 720 pixels high, twice that at 1440; never smaller than the atlas.
int textScale() {
    return std::max(1, (windowHeight + 360) / 720);
}

// The padding follows the text's scale, so a box keeps its shape at any size.
void addBoxedLine(const glm::ivec2& corner, const std::string& line, int scale) {
    const glm::ivec2 size(textOverlay->textWidth(line) + 2 * padding * scale,
                          textOverlay->lineHeight() + 2 * padding * scale);
    textOverlay->addBox(corner, size, boxColor);
    textOverlay->addText(corner + padding * scale, line, textColor);
}

void addPanel(int scale) {
    int top = panelTop;
    for (const std::string& line : messagePanel->linesAt(glfwGetTime())) {
        addBoxedLine({margin, top}, line, scale);
        top += textOverlay->lineHeight() + 2 * (padding + 1) * scale;
    }
}

// The state that lasts, and what to press next: for the pad's buttons while a pad plays.
std::vector<std::string> stateLines() {
    if (gamePaused) {
        return {gamepadPlaying ? "Paused \u00b7 Start: continue" : "Paused \u00b7 Space: continue"};
    }
    if (roundEnded()) {
        const std::string next = gamepadPlaying ? " \u00b7 A: new round" : " \u00b7 Enter: new round";
        return {(gameLost ? "You lost" : "You survived") + next, roundTimeLine()};
    }
    if (!asteroidsStarted) {
        return {gamepadPlaying ? padStartLine : keysStartLine};
    }
    return {};
}

// Centred at the bottom, the last line lowest.
void addStateLines(int scale) {
    const int step = textOverlay->lineHeight() + 2 * (padding + 1) * scale;
    std::vector<std::string> lines = stateLines();
    lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end());
    int top = windowHeight - padding * scale - step * static_cast<int>(lines.size());
    for (const std::string& line : lines) {
        const int width = textOverlay->textWidth(line) + 2 * padding * scale;
        addBoxedLine({std::max(0, (windowWidth - width) / 2), top}, line, scale);
        top += step;
    }
}

// Counted on the game's clock, so that the figure changes twice a second at any frame rate.
void addFrameRate(int scale) {
    const double now = glfwGetTime();
    ++frameRate.frames;
    if (now - frameRate.countedFrom >= frameRateSeconds) {
        char line[32];
        std::snprintf(line, sizeof line, "%.0f fps", frameRate.frames / (now - frameRate.countedFrom));
        frameRate = {now, 0, frameRate.countedFrom > 0.0 ? line : ""};
    }
    if (!frameRate.line.empty()) {
        const int width = textOverlay->textWidth(frameRate.line) + 2 * padding * scale;
        addBoxedLine({windowWidth - margin - width, margin}, frameRate.line, scale);
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

// The card at one scale: its lines, the widths of its columns, its size and where it goes.
struct CardLayout {
    float scale = 1.0f;
    std::vector<CardRow> lines;
    std::array<int, 3> widths{};
    glm::ivec2 size{0};
    glm::ivec2 corner{0};
};

// The heading and one row a control, the actions wrapped to what the window leaves them; without the pad's
// column where asked.
CardLayout layOutCard(float scale, bool padColumn) {
    CardLayout card;
    card.scale = scale;
    textOverlay->setScale(scale);
    const int gap = 2 * textOverlay->textWidth(" ");
    const int inset = static_cast<int>(padding * std::max(scale, 1.0f));
    std::vector<CardRow> rows = {{"Keys", padColumn ? "Gamepad" : "", "Action"}};
    for (const ControlRow& control : controlRows()) {
        rows.push_back({control.keys, padColumn ? control.gamepad : "", control.action});
    }
    for (const CardRow& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            card.widths[column] = std::max(card.widths[column], textOverlay->textWidth(row[column]));
        }
    }
    const int gaps = padColumn ? 2 * gap : gap;
    const int room = windowWidth - 2 * margin - 4 * inset - gaps - card.widths[0] - card.widths[1];
    card.widths[2] = std::min(card.widths[2], std::max(room, 12 * textOverlay->textWidth(" ")));
    for (const CardRow& row : rows) {
        const std::vector<std::string> action = wrapped(row[2], card.widths[2]);
        for (size_t part = 0; part < action.size(); ++part) {
            card.lines.push_back(part == 0 ? CardRow{row[0], row[1], action[0]}
                                           : CardRow{"", "", action[part]});
        }
    }
    card.size = glm::ivec2(card.widths[0] + card.widths[1] + card.widths[2] + gaps + 4 * inset,
                           static_cast<int>(card.lines.size()) * textOverlay->lineHeight() + 4 * inset);
    card.corner = glm::max(glm::ivec2(windowWidth, windowHeight) / 2 - card.size / 2, glm::ivec2(0));
    return card;
}

// Moves the card off the hearts, below them or to their right, a little way in from the window's edges; false
// when it then does not fit.
bool placeBesideHearts(CardLayout& card) {
    const glm::ivec2 inside = glm::ivec2(windowWidth, windowHeight) - padding;
    card.corner = glm::max(card.corner, glm::ivec2(padding));
    if (card.corner.x >= heartsCorner.x || card.corner.y >= heartsCorner.y) {
        return glm::all(glm::lessThanEqual(card.corner + card.size, inside));
    }
    for (const glm::ivec2& place :
         {glm::ivec2(card.corner.x, heartsCorner.y), glm::ivec2(heartsCorner.x, padding)}) {
        if (glm::all(glm::lessThanEqual(place + card.size, inside))) {
            card.corner = place;
            return true;
        }
    }
    return false;
}

// With on-screen messages the card is as large as the text, else smaller, without the pad's column, and at
// last shrunk below the atlas' size: it always shows whole and leaves the hearts free.
CardLayout fittedCard() {
    for (const bool padColumn : {true, false}) {
        for (int scale = textScale(); scale >= 1; --scale) {
            CardLayout card = layOutCard(static_cast<float>(scale), padColumn);
            if (placeBesideHearts(card)) {
                return card;
            }
        }
    }
    CardLayout card = layOutCard(1.0f, false);
    for (float scale = 0.95f; scale > 0.1f && !placeBesideHearts(card); scale -= 0.05f) {
        card = layOutCard(scale, false);
    }
    return card;
}

// On one box; the heading in its own colour.
void addControlsCard() {
    const CardLayout card = onScreenMessages ? fittedCard() : layOutCard(1.0f, true);
    textOverlay->setScale(card.scale);
    const int gap = 2 * textOverlay->textWidth(" ");
    const int inset = static_cast<int>(padding * std::max(card.scale, 1.0f));
    textOverlay->addBox(card.corner, card.size, cardColor);
    for (size_t line = 0; line < card.lines.size(); ++line) {
        glm::ivec2 place =
            card.corner + 2 * inset + glm::ivec2(0, static_cast<int>(line) * textOverlay->lineHeight());
        for (size_t column = 0; column < 3; ++column) {
            textOverlay->addText(place, card.lines[line][column], line == 0 ? headingColor : textColor);
            place.x += card.widths[column] + (card.widths[column] > 0 ? gap : 0);
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
}

void showOnScreenText() {
    if (onScreenMessages) {
        const int scale = textScale();
        textOverlay->setScale(static_cast<float>(scale));
        addPanel(scale);
        addStateLines(scale);
        if (showFramerate) {
            addFrameRate(scale);
        } else {
            frameRate = FrameRate();
        }
    }
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
