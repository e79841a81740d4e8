// Outside programs through the shell and CreateProcess.
#pragma once

#include <map>

#include "platform/processes.h"
#include "platform/win32/unique_handle.h"

namespace tess::win32 {

// The parameter string of a start: each argument in double quotes, separated by one blank.
std::string QuoteArguments(const std::vector<std::string>& arguments);

class Win32Processes final : public Processes {
public:
    // Like ShellExecute with the desktop window as owner, the default verb and SW_HIDE.
    Result<ProcessId> StartHidden(const std::string& program, const std::vector<std::string>& arguments) override;
    // A process whose state cannot be learned counts as running; callers bound their waits.
    bool IsRunning(ProcessId id) override;
    // Ends the process and whatever it started since (they share a job object).
    void Stop(ProcessId id) override;
    Status OpenDocument(const std::string& path) override;
    Status StartCommandLine(const std::string& command_line) override;

private:
    struct Started {
        UniqueHandle process;
        UniqueHandle job;
    };
    std::map<ProcessId, Started> started_;
    ProcessId next_anonymous_ = -1;
};

}  // namespace tess::win32
