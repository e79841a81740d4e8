#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace tess::testing {

namespace {

constexpr uid_t kNobody = 65534;

void ShortPause() {
    timespec pause{0, 1'000'000};
    ::nanosleep(&pause, nullptr);
}

bool ChildSucceeded(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

LockHolder::LockHolder(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(ready[0]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? '1' : '0';
        (void)!::write(ready[1], &ok, 1);
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char ok = '0';
    if (pid_ < 0 || ::read(ready[0], &ok, 1) != 1 || ok != '1') Stop();
    ::close(ready[0]);
}

LockHolder::~LockHolder() { Stop(); }

void LockHolder::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool RunInChild(const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        const bool ok = body() && !::testing::Test::HasFailure();
        ::_exit(ok ? 0 : 1);
    }
    return ChildSucceeded(pid);
}

bool RunUnprivileged(const std::function<bool()>& body) {
    return RunInChild([&] {
        if (::geteuid() == 0 && (::setresgid(kNobody, kNobody, kNobody) != 0 ||
                                 ::setresuid(kNobody, kNobody, kNobody) != 0))
            return false;
        return body();
    });
}

bool WaitForExit(pid_t pid, int* status) {
    for (int i = 0; i < 1000; ++i) {
        int local = 0;
        const pid_t done = ::waitpid(pid, &local, WNOHANG);
        if (done == pid) {
            if (status) *status = local;
            return true;
        }
        if (done < 0) return false;
        ShortPause();
    }
    return false;
}

}  // namespace tess::testing
