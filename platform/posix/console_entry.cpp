// Entry of the console programs on Linux.
#include <iostream>

#include "platform/console/console_window_system.h"
#include "platform/entry.h"
#include "platform/posix/posix_services.h"

namespace tess {

int RunConsole(int /*argc*/, char** /*argv*/, const ProgramBody& body) {
    PosixServices services;
    ConsoleWindowSystem windows(std::cerr);
    Platform platform = services.Bundle(windows);
    return body(platform);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace tess
