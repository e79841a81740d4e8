// Processes found by a piece of their command line, read from /proc: no outside tool needed.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tess::testing {

// Living processes (zombies have no command line) whose arguments contain `piece`.
inline std::vector<pid_t> ProcessesWith(const std::string& piece) {
    std::vector<pid_t> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || !std::isdigit(static_cast<unsigned char>(name[0]))) continue;
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        const std::string args{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        if (pid != ::getpid() && args.find(piece) != std::string::npos) found.push_back(pid);
    }
    return found;
}

inline void KillProcessesWith(const std::string& piece) {
    for (const pid_t pid : ProcessesWith(piece)) ::kill(pid, SIGKILL);
}

}  // namespace tess::testing
