#include "bench/hhc/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

extern char** environ;

namespace bench {

namespace {

double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

}  // namespace

ChildFigures RunChild(const std::vector<std::string>& argv, const std::filesystem::path& cwd,
                      const std::filesystem::path& log, double limit_s) {
    ChildFigures f;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&fa, 1, 2);
    posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (spawned != 0) return f;
    f.started = true;
    // A descriptor of the child wakes us when it ends, with no polling to blur short runs.
    // (glibc 2.36 declares pidfd_open without C linkage, so the call goes straight to the kernel.)
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    const auto deadline = start + std::chrono::duration<double>(limit_s);
    while (pidfd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            kill(pid, SIGKILL);
            f.timed_out = true;
            break;
        }
        pollfd p{pidfd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<long long>(left, 60000)));
        if (ready > 0) break;
        if (ready < 0 && errno != EINTR) break;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    f.wall_s = std::chrono::duration<double>(Clock::now() - start).count();
    if (pidfd >= 0) close(pidfd);
    f.cpu_s = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    f.peak_rss_kb = usage.ru_maxrss;
    if (!f.timed_out && WIFEXITED(status)) f.exit_status = WEXITSTATUS(status);
    return f;
}

}  // namespace bench
