#include "platform/posix/posix_processes.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>

#include "platform/posix/stop_signals.h"
#include "platform/posix/unique_fd.h"

extern char** environ;

namespace tess {

namespace {

constexpr int kStopGraceMs = 2000;

constexpr int kResetSignals[] = {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGXFSZ};

std::vector<char*> ArgumentVector(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Makes `fd` the child's `target`, open across exec even when it already is that number.
bool PutOn(int fd, int target) {
    return fd == target ? ::fcntl(fd, F_SETFD, 0) == 0 : ::dup2(fd, target) == target;
}

// Between fork and exec: async-signal-safe calls only. An errno sent up `report` tells the
// parent why the program never started.
[[noreturn]] void BecomeBoundChild(pid_t parent, char* const* argv, int in, int out, int report) {
    const auto fail = [report] {
        const int error = errno;
        (void)!::write(report, &error, sizeof error);
        ::_exit(127);
    };
    // A process group of its own, so that giving up on it reaches what it started.
    ::setpgid(0, 0);
    // Killed with us even when we are killed outright and clean nothing up.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) fail();
    if (::getppid() != parent) ::_exit(127);  // we died before it could ask
    // Output goes nowhere, as a hidden window shows nothing.
    if (!PutOn(in, 0) || !PutOn(out, 1) || !PutOn(out, 2)) fail();
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    for (int signal : kResetSignals) ::sigaction(signal, &default_action, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(argv[0], argv, environ);
    fail();
    ::_exit(127);
}

// The child dies when the thread that starts it ends: both programs start compilers from
// their main thread only, which lasts as long as the run.
Result<ProcessId> StartBoundChild(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) return Error{"No program was given to start."};
    const auto failed = [&program](int error) { return Error{"Cannot start " + program + ": " + std::strerror(error)}; };
    std::vector<char*> argv = ArgumentVector(program, arguments);
    const UniqueFd in(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    const UniqueFd out(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (!in || !out) return failed(errno);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return failed(errno);
    UniqueFd report_read(ends[0]);
    UniqueFd report_write(ends[1]);
    const pid_t parent = ::getpid();
    // Our handlers must never run in the child before exec resets them.
    sigset_t all;
    sigset_t old;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &old);
    const pid_t pid = ::fork();
    if (pid == 0) BecomeBoundChild(parent, argv.data(), in.get(), out.get(), report_write.get());
    const int fork_error = errno;
    if (pid > 0) ::setpgid(pid, pid);  // also here, so that it holds before we ever signal the group
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    if (pid < 0) return failed(fork_error);
    report_write.Reset();
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report_read.get(), &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    if (got != static_cast<ssize_t>(sizeof error)) return static_cast<ProcessId>(pid);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return failed(error);
}

class SpawnSetup {
public:
    // For a program started for the user: it lives on its own, apart from our terminal, and
    // is looked up in PATH.
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        // Output goes nowhere, as a hidden window shows nothing.
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
        // A child must not inherit our blocked or ignored signals.
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int signal : kResetSignals) sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    Result<ProcessId> Spawn(const std::string& program, const std::vector<std::string>& arguments) {
        if (program.empty()) return Error{"No program was given to start."};
        std::vector<char*> argv = ArgumentVector(program, arguments);
        pid_t pid = 0;
        const int error = posix_spawnp(&pid, program.c_str(), &actions_, &attributes_, argv.data(), environ);
        if (error != 0) return Error{"Cannot start " + program + ": " + std::strerror(error)};
        return static_cast<ProcessId>(pid);
    }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

}  // namespace

PosixProcesses::PosixProcesses(std::string opener) : opener_(std::move(opener)) {}

PosixProcesses::~PosixProcesses() { ReapEnded(); }

Result<ProcessId> PosixProcesses::StartHidden(const std::string& program, const std::vector<std::string>& arguments) {
    ReapEnded();
    // A stop signal between the start and the registering would leave the child running.
    stop_signals::Deferred deferred;
    Result<ProcessId> started = StartBoundChild(program, arguments);
    if (started) {
        children_.insert(*started);
        groups_.insert(*started);
        stop_signals::AddChildGroup(static_cast<pid_t>(*started));
    }
    return started;
}

bool PosixProcesses::IsRunning(ProcessId id) {
    ReapEnded();
    return children_.count(id) != 0;
}

void PosixProcesses::Stop(ProcessId id) {
    ReapEnded();
    if (!children_.count(id)) return;  // never signal a number that may belong to someone else now
    // Asked first, so that it can remove what it made; then whatever is left of its group goes.
    if (groups_.count(id)) {
        stop_signals::EndGroup(static_cast<pid_t>(id), kStopGraceMs);
        Forget(id);
        return;
    }
    ::kill(static_cast<pid_t>(id), SIGKILL);
    if (::waitpid(static_cast<pid_t>(id), nullptr, 0) == static_cast<pid_t>(id)) children_.erase(id);
}

Status PosixProcesses::OpenDocument(const std::string& path) {
    ReapEnded();
    SpawnSetup setup;
    Result<ProcessId> started = setup.Spawn(opener_, {path});
    if (!started) return started.error();
    children_.insert(*started);
    return {};
}

Status PosixProcesses::StartCommandLine(const std::string& command_line) {
    ReapEnded();
    SpawnSetup setup;
    Result<ProcessId> started = setup.Spawn(command_line, {});
    if (!started) return started.error();
    children_.insert(*started);
    return {};
}

void PosixProcesses::ReapEnded() {
    for (auto it = children_.begin(); it != children_.end();) {
        pid_t done = 0;
        do {
            done = ::waitpid(static_cast<pid_t>(*it), nullptr, WNOHANG);
        } while (done < 0 && errno == EINTR);
        // 0: still running. Otherwise it ended now, or someone else reaped it.
        if (done == 0) {
            ++it;
            continue;
        }
        const ProcessId ended = *it;
        it = children_.erase(it);
        if (groups_.erase(ended)) stop_signals::RemoveChildGroup(static_cast<pid_t>(ended));
    }
}

void PosixProcesses::Forget(ProcessId id) {
    children_.erase(id);
    groups_.erase(id);
    stop_signals::RemoveChildGroup(static_cast<pid_t>(id));
}

}  // namespace tess
