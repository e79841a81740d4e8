// Starting programs with posix_spawn (never through a shell) and documents with xdg-open.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace tess {

class PosixProcesses final : public Processes {
public:
    // `opener` is the program that opens documents with the desktop's associated viewer.
    explicit PosixProcesses(std::string opener = "xdg-open");
    ~PosixProcesses() override;
    PosixProcesses(const PosixProcesses&) = delete;
    PosixProcesses& operator=(const PosixProcesses&) = delete;

    Result<ProcessId> StartHidden(const std::string& program, const std::vector<std::string>& arguments) override;
    bool IsRunning(ProcessId id) override;
    Status OpenDocument(const std::string& path) override;
    // The whole text is the program's path (a bare name is looked up in PATH), started
    // without arguments and detached.
    Status StartCommandLine(const std::string& command_line) override;

private:
    // Detached programs are reaped whenever we pass by, so none lingers as a zombie.
    void ReapDetached();

    std::string opener_;
    std::set<ProcessId> detached_;
};

}  // namespace tess
