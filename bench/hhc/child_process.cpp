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
#include <cstdio>
#include <string>

extern char** environ;

namespace bench {

namespace {

double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

constexpr char kMeasuredFlag[] = "--measured-run";

// A child's peak counts the memory of the process it was spawned from at the moment it ran its
// program, so the program is started from a process that holds next to nothing.
// Arguments: FLAG REPORT PROGRAM ARGS...
int Trampoline(char** argv) {
    const char* report = argv[2];
    const pid_t pid = fork();
    if (pid < 0) return 127;
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    FILE* out = std::fopen(report, "w");
    if (!out) return 127;
    std::fprintf(out, "%d %.6f %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                 Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss);
    return std::fclose(out) == 0 ? 0 : 127;
}

}  // namespace

bool IsMeasuredRun(int argc, char** argv) { return argc >= 4 && std::string(argv[1]) == kMeasuredFlag; }

int MeasuredRun(int argc, char** argv) { return IsMeasuredRun(argc, argv) ? Trampoline(argv) : 127; }

ChildFigures RunChild(const std::vector<std::string>& argv, const std::filesystem::path& cwd,
                      const std::filesystem::path& log, double limit_s) {
    ChildFigures f;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&fa, 1, 2);
    posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    const std::string report = log.string() + ".figures";
    std::error_code ec;
    std::filesystem::remove(report, ec);
    std::vector<std::string> measured = {"/proc/self/exe", kMeasuredFlag, report};
    measured.insert(measured.end(), argv.begin(), argv.end());
    std::vector<char*> args;
    for (const auto& a : measured) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    // A group of its own, so that the limit stops the program as well as its starter.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, args[0], &fa, &attr, args.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    posix_spawnattr_destroy(&attr);
    if (spawned != 0) return f;
    f.started = true;  // a program that cannot start shows as status 127
    // A descriptor of the child wakes us when it ends, with no polling to blur short runs.
    // (glibc 2.36 declares pidfd_open without C linkage, so the call goes straight to the kernel.)
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    const auto deadline = start + std::chrono::duration<double>(limit_s);
    while (pidfd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            kill(-pid, SIGKILL);
            f.timed_out = true;
            break;
        }
        pollfd p{pidfd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<long long>(left, 60000)));
        if (ready > 0) break;
        if (ready < 0 && errno != EINTR) break;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    f.wall_s = std::chrono::duration<double>(Clock::now() - start).count();
    if (pidfd >= 0) close(pidfd);
    if (f.timed_out || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return f;
    FILE* in = std::fopen(report.c_str(), "r");
    if (!in) return f;
    if (std::fscanf(in, "%d %lf %ld", &f.exit_status, &f.cpu_s, &f.peak_rss_kb) != 3) f.exit_status = -1;
    std::fclose(in);
    return f;
}

}  // namespace bench
