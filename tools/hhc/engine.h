// Running the engine as a child process in its own working folder.
#pragma once

#include <string>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct EngineCommand {
    std::string program;             // a name searched in PATH, or a path
    std::vector<std::string> arguments;
    std::string folder;              // the working folder
    std::string output_file;         // receives standard output and standard error
    int timeout_ms = 0;              // 0: no limit
};

struct EngineOutcome {
    int exit_code = -1;   // -1 when it did not exit normally
    int signal = 0;       // the signal that ended it, if any
    bool timed_out = false;
    bool interrupted = false;  // hhc itself was asked to stop
};

// Fails only when the engine cannot be started at all.
tess::Result<EngineOutcome> RunEngine(const EngineCommand& command);

// Done once at start: a full disk or a stop request must end in a written reason, not in
// a silent death.
void PrepareProcess();
bool StopRequested();

// "SIGSEGV" and the like, for the log.
std::string SignalName(int signal);

}  // namespace hhc
