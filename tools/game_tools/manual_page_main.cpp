// Writes the manual page from its template, with the game's own tables of options and of controls in place of
// their marker lines, so that the page and --help cannot disagree.
#include "app/controls_table.hpp"
#include "app/options_table.hpp"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const std::string controlsMarker = R"(.\" The rows of the table of controls.)";
const std::string optionsMarker = R"(.\" The options, from the game's table of them.)";

// A backslash starts an escape in troff; an empty cell needs a zero-width character to hold its place.
std::string troffCell(const char* text) {
    std::string cell = *text == '\0' ? R"(\&)" : "";
    for (const char* character = text; *character != '\0'; ++character) {
        cell += *character == '\\' ? std::string(R"(\e)") : std::string(1, *character);
    }
    return cell;
}

void writeRows(std::ostream& page) {
    for (const Velmora::ControlRow& row : Velmora::controlRows()) {
        page << troffCell(row.keys) << "\tT{\n"
             << troffCell(row.gamepad) << "\nT}\tT{\n"
             << troffCell(row.action) << "\nT}\n";
    }
}

// A hyphen in troff may break a line or print as a dash; an option's name needs the minus sign. Each sentence
// of the text goes on a line of its own, so that troff knows where sentences end.
void writeOptions(std::ostream& page) {
    for (const Velmora::OptionRow& row : Velmora::optionRows()) {
        page << ".TP\n.B \\-\\-";
        for (const char* character = row.name; *character != '\0'; ++character) {
            page << (*character == '-' ? std::string(R"(\-)") : std::string(1, *character));
        }
        page << "\n";
        for (const char* character = row.manual; *character != '\0'; ++character) {
            const bool sentenceEnds = character != row.manual && *character == ' ' && character[-1] == '.';
            page << (sentenceEnds ? '\n' : *character);
        }
        page << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora_manual_page TEMPLATE OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ofstream page(argv[2]);
    int placed = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == controlsMarker || line == optionsMarker) {
            (line == controlsMarker ? writeRows : writeOptions)(page);
            ++placed;
        } else {
            page << line << "\n";
        }
    }
    page.flush();
    if (!in.eof() || !page || placed != 2) {
        std::fprintf(stderr, "velmora_manual_page: cannot write %s from %s\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
