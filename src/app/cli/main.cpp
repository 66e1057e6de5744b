// tavolex-cli: the headless front end of the engine.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return tavolex::cli::RunCli(arguments, std::cout, std::cerr);
}
