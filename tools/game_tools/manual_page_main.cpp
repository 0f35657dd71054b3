// Writes the manual page from its template, with the rows of the game's own table of controls in place of the
// marker line, so that the page and --help cannot disagree.
#include "app/controls_table.hpp"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const std::string marker = R"(.\" The rows of the table of controls.)";

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

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora_manual_page TEMPLATE OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ofstream page(argv[2]);
    bool placed = false;
    for (std::string line; std::getline(in, line);) {
        if (line == marker) {
            writeRows(page);
            placed = true;
        } else {
            page << line << "\n";
        }
    }
    page.flush();
    if (!in.eof() || !page || !placed) {
        std::fprintf(stderr, "velmora_manual_page: cannot write %s from %s\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
