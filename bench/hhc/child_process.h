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
// It is started by a small copy of this program (see MeasuredRun), so that its peak memory is
// its own and not that of the benchmark that holds gigabytes of input.
ChildFigures RunChild(const std::vector<std::string>& argv, const std::filesystem::path& cwd,
                      const std::filesystem::path& log, double limit_s);

// A benchmark's main calls this first: when the arguments say so, this process is that small
// copy, runs the program and gives 0 (after writing what it measured), or 127 if it could not.
bool IsMeasuredRun(int argc, char** argv);
int MeasuredRun(int argc, char** argv);

}  // namespace bench
