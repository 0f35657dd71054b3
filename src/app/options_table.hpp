#pragma once

#include <vector>

namespace Velmora {

// One option of the command line: its long name, the value getopt gives for it, its line in --help and its
// longer text in the manual page. The one table of them feeds getopt, --help and the manual page, so they
// cannot disagree.
struct OptionRow {
    const char* name;
    int value;
    const char* help;
    const char* manual;
};

// Every option, in the order --help and the manual page list them.
const std::vector<OptionRow>& optionRows();

} // namespace Velmora
