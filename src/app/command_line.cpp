#include "app/command_line.hpp"

#include "app/best_time_store.hpp"
#include "app/controls_table.hpp"
#include "app/data_folder.hpp"
#include "app/game_loop.hpp"
#include "app/launch_options.hpp"
#include "app/options_table.hpp"
#include "app/settings_files.hpp"

#include <cerrno>
#include <cstring>
#include <getopt.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace Velmora {
namespace {

constexpr std::size_t helpWidth = 80;
// Where the text of an option or a control starts, after its name.
constexpr std::size_t textColumn = 24;

// getopt's table, from the game's one table of options.
std::vector<option> longOptions() {
    std::vector<option> options;
    for (const OptionRow& row : optionRows()) {
        options.push_back({row.name, no_argument, nullptr, row.value});
    }
    options.push_back({nullptr, 0, nullptr, 0});
    return options;
}

// One entry of a list: its name indented, then its text from textColumn on, wrapped at helpWidth.
void printEntry(std::ostream& out, const std::string& name, const std::string& text) {
    const std::string indent(textColumn, ' ');
    out << "  " << name;
    const std::size_t nameEnd = 2 + name.size();
    out << (nameEnd < textColumn ? std::string(textColumn - nameEnd, ' ') : "\n" + indent);
    std::size_t column = textColumn;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (column > textColumn && column + 1 + word.size() > helpWidth) {
            out << "\n" << indent;
            column = textColumn;
        } else if (column > textColumn) {
            out << ' ';
            ++column;
        }
        out << word;
        column += word.size();
    }
    out << "\n";
}

// The folders are those this very run would read from.
void printSettingsFolders(std::ostream& out) {
    const std::filesystem::path own = userSettingsFolder();
    const std::string installed = (dataFolder() / "Config").u8string() + "/";
    if (own.empty()) {
        out << "Each is read from\n  " << installed
            << "\n(HOME and XDG_CONFIG_HOME name no settings folder of the player's own).\n";
        return;
    }
    out << "Each is read from\n  " << own.u8string() << "/\nwhere it is there, else from\n  " << installed
        << "\n";
}

std::string helpText() {
    std::ostringstream out;
    out << "Usage: velmora [--fullscreen | --window] [--on-screen-messages]\n"
           "       velmora --help | --version\n"
           "Walk a tiny planet and dodge the asteroid shower.\n\nOptions:\n";
    for (const OptionRow& row : optionRows()) {
        printEntry(out, std::string("--") + row.name, row.help);
    }
    out << "Without an option the game starts as its settings files say.\n\n"
           "Controls (the gamepad's in brackets):\n";
    for (const ControlRow& row : controlRows()) {
        const std::string pad = *row.gamepad == '\0' ? "" : std::string(" [") + row.gamepad + "]";
        printEntry(out, row.keys, row.action + pad);
    }
    out << "\nSettings files, one value a line (see velmora(6)):\n";
    printEntry(out, "fullscreenConfig.txt", "true or false, the window's width, its height");
    printEntry(out, "asteroidSpawnerConfig.txt", "asteroids per second, the shower's length in seconds");
    printSettingsFolders(out);
    const std::filesystem::path bestTime = BestTimeStore::playerFile();
    out << "\nWith --on-screen-messages the best round time of each shower is kept in\n  "
        << (bestTime.empty() ? "(no folder: HOME and XDG_DATA_HOME name none)" : bestTime.string()) << "\n";
    return out.str();
}

// The answer of --help or --version; a failure to write it is a failure of the run, said on standard error.
int answer(const std::string& text) {
    std::cout << text << std::flush;
    if (!std::cout) {
        const int error = errno;
        std::cerr << "velmora: cannot write to standard output: " << std::strerror(error) << "\n";
        return 1;
    }
    return 0;
}

int refuse(const std::string& reason) {
    if (!reason.empty()) {
        std::cerr << "velmora: " << reason << "\n";
    }
    std::cerr << "Try 'velmora --help' for more information.\n";
    return 2;
}

} // namespace

int runCommandLine(int argc, const char* const* argv) {
    // getopt names the program by the first argument in its messages: the game's own name, however started.
    std::vector<char*> arguments = {const_cast<char*>("velmora")};
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(const_cast<char*>(argv[i]));
    }
    arguments.push_back(nullptr);
    LaunchOptions options;
    // Zero starts getopt afresh, whatever an earlier parse left.
    optind = 0;
    const std::vector<option> table = longOptions();
    for (int option = 0; (option = getopt_long(argc, arguments.data(), "", table.data(), nullptr)) != -1;) {
        switch (option) {
        case 'h':
            return answer(helpText());
        case 'v':
            return answer(std::string("velmora ") + VELMORA_VERSION + "\n");
        case 'f':
        case 'w':
            options.fullscreen = option == 'f';
            break;
        case 'm':
            options.onScreenMessages = true;
            break;
        default:
            // getopt has named the option on standard error.
            return refuse("");
        }
    }
    if (optind < argc) {
        return refuse(std::string("unexpected argument '") + arguments[optind] + "'");
    }
    return runGame(options);
}

} // namespace Velmora
