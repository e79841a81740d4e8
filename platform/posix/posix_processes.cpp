#include "platform/posix/posix_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>

#include "platform/posix/stop_signals.h"

extern char** environ;

namespace tess {

namespace {

constexpr int kStopGraceMs = 2000;

enum class Lookup { exact_path, search_path };
enum class Session { ours, own };

class SpawnSetup {
public:
    explicit SpawnSetup(Session session) {
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
        for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGXFSZ}) sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        // A viewer started for the user lives on its own, apart from our terminal. A compiler
        // gets a process group of its own, so that giving up on it reaches what it started.
        if (session == Session::own) {
            flags |= POSIX_SPAWN_SETSID;
        } else {
            flags |= POSIX_SPAWN_SETPGROUP;
            posix_spawnattr_setpgroup(&attributes_, 0);
        }
        posix_spawnattr_setflags(&attributes_, flags);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    Result<ProcessId> Spawn(const std::string& program, const std::vector<std::string>& arguments, Lookup lookup) {
        if (program.empty()) return Error{"No program was given to start."};
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        pid_t pid = 0;
        const int error = lookup == Lookup::exact_path
                              ? posix_spawn(&pid, program.c_str(), &actions_, &attributes_, argv.data(), environ)
                              : posix_spawnp(&pid, program.c_str(), &actions_, &attributes_, argv.data(), environ);
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
    SpawnSetup setup(Session::ours);
    Result<ProcessId> started = setup.Spawn(program, arguments, Lookup::exact_path);
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
    SpawnSetup setup(Session::own);
    Result<ProcessId> started = setup.Spawn(opener_, {path}, Lookup::search_path);
    if (!started) return started.error();
    children_.insert(*started);
    return {};
}

Status PosixProcesses::StartCommandLine(const std::string& command_line) {
    ReapEnded();
    SpawnSetup setup(Session::own);
    Result<ProcessId> started = setup.Spawn(command_line, {}, Lookup::search_path);
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
