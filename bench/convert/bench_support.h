// Small tools the benchmarks share: timing, statistics, child processes, scratch pages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

double NowMs();
double CpuMs();  // user + system time of this process and of its children that have ended
double Median(std::vector<double> values);
double Max(const std::vector<double>& values);

struct ChildResult {
    int status = -1;
    double wall_ms = 0;
    long max_rss_kb = 0;
    bool ok = false;  // ended by itself with status 0
};
// Runs a program to its end in `folder` with its output thrown away; `env` ("NAME=value")
// goes before this process's own environment.
ChildResult RunChild(const std::vector<std::string>& argv, const std::string& folder,
                     const std::vector<std::string>& env = {});

std::string MakeTempFolder(const std::string& stem);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ExecutableFolder();

// A small page with Japanese text, a style sheet and an image, in its own folder.
std::string MakePage(const std::string& folder, int index);

}  // namespace bench
