// Real second processes for tests: one that holds a lock, one that runs without root's rights.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace tess::testing {

// A forked child that opens `path` and holds flock(LOCK_EX) on it until Stop().
class LockHolder {
public:
    explicit LockHolder(const std::string& path);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    void Stop();

private:
    pid_t pid_ = -1;
};

// Runs `body` in a forked child whose user is "nobody" when the test runs as root (root
// ignores file permissions). Returns true when the body returned true and no gtest
// expectation failed in the child.
bool RunUnprivileged(const std::function<bool()>& body);

// Runs `body` in a forked child; true when it returned true and no expectation failed there.
bool RunInChild(const std::function<bool()>& body);

// Waits until the process has ended and been reaped; false after a second.
bool WaitForExit(pid_t pid, int* status = nullptr);

}  // namespace tess::testing
