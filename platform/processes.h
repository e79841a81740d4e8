// Starting outside programs and documents.
#pragma once

#include <string>
#include <vector>

#include "platform/result.h"

namespace tess {

using ProcessId = long long;

class Processes {
public:
    virtual ~Processes() = default;

    // Starts `program` with no visible window and does not wait. Each argument is passed as
    // one argument (on Windows: quoted as a whole).
    virtual Result<ProcessId> StartHidden(const std::string& program,
                                          const std::vector<std::string>& arguments) = 0;
    // False once the process has ended (it is reaped, never waited on for long).
    virtual bool IsRunning(ProcessId id) = 0;
    // Ends a process we started and gave up on, so that it cannot write over a later run's files.
    virtual void Stop(ProcessId id) = 0;
    // Opens a document with the viewer that the desktop associates with its type.
    virtual Status OpenDocument(const std::string& path) = 0;
    // Starts a command line shown normally, without waiting.
    virtual Status StartCommandLine(const std::string& command_line) = 0;
};

}  // namespace tess
