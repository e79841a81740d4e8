// What a stop signal (SIGINT, SIGTERM, SIGHUP) must not leave behind: a half-copied output
// under a temporary name, compilers still running, a batch run's work folder. The handler
// cleans up with async-signal-safe calls only, then ends the process as the signal would.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>

namespace tess::stop_signals {

// Idempotent.
void Install();

// Holds the stop signals back for its lifetime, so that making a file and registering it
// (or moving it and forgetting it) is one step for the handler.
class Deferred {
public:
    Deferred();
    ~Deferred();
    Deferred(const Deferred&) = delete;
    Deferred& operator=(const Deferred&) = delete;

private:
    sigset_t old_;
};

// Slots are few and fixed: registering fails (returns -1) only when all are taken.
int AddTemporary(const std::string& path);
void RemoveTemporary(int slot);

// A child started in a process group of its own (its id is the group's): on a stop signal the
// group is asked to end, given a moment to clean up, then killed.
void AddChildGroup(pid_t group);
void RemoveChildGroup(pid_t group);

// A flat folder of work files, emptied and removed on a stop signal. "" forgets it.
void SetWorkFolder(const std::string& folder);

// Ends a process group: SIGTERM, up to `grace_ms` for the leader (our child) to end, then
// SIGKILL for whatever of the group is left. Reaps the leader. Safe inside the handler.
void EndGroup(pid_t group, int grace_ms);

}  // namespace tess::stop_signals
