#include "app/command_line.hpp"

int main(int argc, char** argv) {
    return Velmora::runCommandLine(argc, argv);
}
