#include "platform/posix/stop_signals.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstring>
#include <ctime>

namespace tess::stop_signals {

namespace {

constexpr int kSlots = 8;
constexpr int kGraceMs = 2000;

// Written only with the stop signals blocked, so the handler never sees half a path.
struct PathSlot {
    bool used = false;
    char path[PATH_MAX] = {};
};

PathSlot temporaries[kSlots];
PathSlot work_folder;
volatile pid_t child_groups[kSlots] = {};
std::atomic<bool> installed{false};

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

bool Store(PathSlot& slot, const std::string& path) {
    if (path.size() >= sizeof slot.path) return false;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.used = true;
    return true;
}

void NapMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

// getdents64 rather than readdir: the handler may not allocate.
void EmptyAndRemove(const char* folder) {
    const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (dir < 0) return;
    alignas(8) static char buffer[8192];
    for (;;) {
        const long n = syscall(SYS_getdents64, dir, buffer, sizeof buffer);
        if (n <= 0) break;
        for (long at = 0; at < n;) {
            struct Entry {
                std::uint64_t ino;
                std::int64_t off;
                unsigned short reclen;
                unsigned char type;
                char name[1];
            };
            const auto* e = reinterpret_cast<const Entry*>(buffer + at);
            const bool dots = e->name[0] == '.' && (e->name[1] == 0 || (e->name[1] == '.' && e->name[2] == 0));
            if (!dots) unlinkat(dir, e->name, 0);
            at += e->reclen;
        }
    }
    close(dir);
    rmdir(folder);
}

void OnStop(int signal) {
    const int saved = errno;
    for (auto& group : child_groups)
        if (group > 0) EndGroup(group, kGraceMs);
    for (auto& slot : temporaries)
        if (slot.used) unlink(slot.path);
    if (work_folder.used) EmptyAndRemove(work_folder.path);
    errno = saved;
    // End as the signal would have ended us, so the parent sees why.
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    sigaction(signal, &plain, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
}

}  // namespace

Deferred::Deferred() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kSignals) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, &old_);
}

Deferred::~Deferred() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

void Install() {
    if (installed.exchange(true)) return;
    struct sigaction action {};
    action.sa_handler = OnStop;
    sigemptyset(&action.sa_mask);
    for (int s : kSignals) sigaddset(&action.sa_mask, s);  // one cleanup at a time
    for (int s : kSignals) {
        struct sigaction old {};
        sigaction(s, nullptr, &old);
        if (old.sa_handler == SIG_IGN) continue;  // started under nohup: stay so
        sigaction(s, &action, nullptr);
    }
}

int AddTemporary(const std::string& path) {
    Deferred deferred;
    for (int i = 0; i < kSlots; ++i)
        if (!temporaries[i].used) return Store(temporaries[i], path) ? i : -1;
    return -1;
}

void RemoveTemporary(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    Deferred deferred;
    temporaries[slot].used = false;
}

void AddChildGroup(pid_t group) {
    Deferred deferred;
    for (auto& g : child_groups) {
        if (g == 0) {
            g = group;
            return;
        }
    }
}

void RemoveChildGroup(pid_t group) {
    Deferred deferred;
    for (auto& g : child_groups)
        if (g == group) g = 0;
}

void SetWorkFolder(const std::string& folder) {
    Deferred deferred;
    work_folder.used = false;
    if (!folder.empty()) Store(work_folder, folder);
}

void EndGroup(pid_t group, int grace_ms) {
    if (group <= 0) return;
    kill(-group, SIGTERM);
    bool reaped = false;
    for (int waited = 0; waited < grace_ms; waited += 10) {
        const pid_t done = waitpid(group, nullptr, WNOHANG);
        if (done == group || (done < 0 && errno == ECHILD)) {
            reaped = true;
            break;
        }
        NapMs(10);
    }
    // Whatever the leader left of its own children goes too.
    kill(-group, SIGKILL);
    if (!reaped) waitpid(group, nullptr, 0);
}

}  // namespace tess::stop_signals
