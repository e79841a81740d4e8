// Entry of the console programs on Linux.
#include <iostream>

#include "platform/console/console_window_system.h"
#include "platform/entry.h"
#include "platform/posix/posix_services.h"
#include "platform/posix/stop_signals.h"

namespace tess {

int RunConsole(int /*argc*/, char** /*argv*/, const ProgramNames& names, const ProgramBody& body) {
    stop_signals::Install();
    PosixServices services(names);
    ConsoleWindowSystem windows(std::cerr);
    Platform platform = services.Bundle(windows);
    return body(platform);
}

void RemoveOnStop(const std::string& folder) { stop_signals::SetWorkFolder(folder); }

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace tess
