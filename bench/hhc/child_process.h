// A program run to its end or to a time limit, with what the kernel counted for it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct ChildFigures {
    bool started = false;
    bool timed_out = false;  // killed at the limit
    int exit_status = -1;    // -1 unless it exited
    double wall_s = 0;
    double cpu_s = 0;        // user + system
    long peak_rss_kb = 0;
    bool Succeeded() const { return started && !timed_out && exit_status == 0; }
};

// Runs `argv` in `cwd` with its output in `log`; past `limit_s` seconds it is killed.
ChildFigures RunChild(const std::vector<std::string>& argv, const std::filesystem::path& cwd,
                      const std::filesystem::path& log, double limit_s);

}  // namespace bench
