// Processes found by a piece of their command line, read from /proc: no outside tool needed.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace tess::testing {

// The whole of a /proc file, or "" once its process is gone: a read then fails with ESRCH,
// which the standard streams would throw.
inline std::string ReadProcFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return n < 0 ? std::string() : text;
}

// Ended, or a zombie that only waits for its reaper.
inline bool ProcessGone(pid_t pid) {
    const std::string stat = ReadProcFile("/proc/" + std::to_string(pid) + "/stat");
    const auto paren = stat.rfind(')');
    return stat.empty() || (paren != std::string::npos && stat.compare(paren + 2, 1, "Z") == 0);
}

// Living processes (zombies have no command line) whose arguments contain `piece`.
inline std::vector<pid_t> ProcessesWith(const std::string& piece) {
    std::vector<pid_t> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || !std::isdigit(static_cast<unsigned char>(name[0]))) continue;
        const std::string args = ReadProcFile((entry.path() / "cmdline").string());
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        if (pid != ::getpid() && args.find(piece) != std::string::npos) found.push_back(pid);
    }
    return found;
}

inline void KillProcessesWith(const std::string& piece) {
    for (const pid_t pid : ProcessesWith(piece)) ::kill(pid, SIGKILL);
}

}  // namespace tess::testing
