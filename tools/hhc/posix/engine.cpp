#include "tools/hhc/engine.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace hhc {
namespace {

volatile sig_atomic_t g_stop = 0;

void OnStop(int) { g_stop = 1; }

long long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

// Waits for the child, giving up at the deadline or on a stop request. A pidfd lets poll
// wake on the child's end without a polling loop.
bool WaitFor(pid_t pid, int& status, long long deadline, bool& timed_out, bool& interrupted) {
    int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    for (;;) {
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) break;
        if (r < 0 && errno != EINTR) {
            if (pidfd >= 0) close(pidfd);
            return false;
        }
        if (g_stop) interrupted = true;
        long long left = deadline > 0 ? deadline - NowMs() : 1000;
        if (deadline > 0 && left <= 0) timed_out = true;
        if (timed_out || interrupted) {
            kill(-pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        int wait_ms = static_cast<int>(left > 1000 ? 1000 : left);
        if (pidfd >= 0) {
            pollfd p{pidfd, POLLIN, 0};
            poll(&p, 1, wait_ms);
        } else {
            // Kernels before 5.3: a short sleep keeps the wait cheap.
            timespec ts{0, 20 * 1000000};
            nanosleep(&ts, nullptr);
        }
    }
    if (pidfd >= 0) close(pidfd);
    return true;
}

}  // namespace

void PrepareProcess() {
    // A write past a size limit then fails with EFBIG instead of killing the process.
    signal(SIGXFSZ, SIG_IGN);
    signal(SIGPIPE, SIG_IGN);
    struct sigaction sa {};
    sa.sa_handler = OnStop;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

bool StopRequested() { return g_stop != 0; }

std::string SignalName(int sig) {
    const char* name = sigabbrev_np(sig);
    return name ? std::string("SIG") + name : "signal " + std::to_string(sig);
}

tess::Result<EngineOutcome> RunEngine(const EngineCommand& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, command.output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addchdir_np(&actions, command.folder.c_str());

    // The child gets default stop signals back; a set size limit stays ignored-at-write.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGHUP);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    // Its own process group, so that a stop takes the engine's own children along.
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const auto& a : command.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    int err = posix_spawnp(&pid, command.program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (err != 0)
        return tess::Error{"The help compiler engine " + command.program + " cannot be started: " +
                           std::strerror(err) + "."};

    EngineOutcome outcome;
    int status = 0;
    long long deadline = command.timeout_ms > 0 ? NowMs() + command.timeout_ms : 0;
    if (!WaitFor(pid, status, deadline, outcome.timed_out, outcome.interrupted))
        return tess::Error{"The help compiler engine could not be followed: " + std::string(std::strerror(errno)) + "."};
    if (WIFEXITED(status)) outcome.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace hhc
