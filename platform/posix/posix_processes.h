// Starting programs (never through a shell) and documents with xdg-open. A compiler started
// hidden dies with us; a program started for the user lives on.
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
    // SIGTERM to its whole process group, a moment to clean up, then SIGKILL.
    void Stop(ProcessId id) override;
    Status OpenDocument(const std::string& path) override;
    // The whole text is the program's path (a bare name is looked up in PATH), started
    // without arguments and detached.
    Status StartCommandLine(const std::string& command_line) override;

private:
    // Every child that has ended is reaped whenever we pass by, whether or not anyone asks
    // about it, so none lingers as a zombie.
    void ReapEnded();
    void Forget(ProcessId id);

    std::string opener_;
    std::set<ProcessId> children_;  // started and not yet reaped
    std::set<ProcessId> groups_;    // those that lead a process group of their own
};

}  // namespace tess
