#include "bench_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace bench {

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double CpuMs() {
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    return total;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Max(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

ChildResult RunChild(const std::vector<std::string>& argv, const std::string& folder,
                     const std::vector<std::string>& env) {
    ChildResult result;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const double start = NowMs();
    pid_t pid = 0;
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    for (char** e = environ; *e; ++e) envp.push_back(*e);  // the first of a name wins
    envp.push_back(nullptr);
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.wall_ms = NowMs() - start;
    result.status = status;
    result.max_rss_kb = usage.ru_maxrss;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

std::string MakeTempFolder(const std::string& stem) {
    std::string pattern = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    return mkdtemp(pattern.data());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ExecutableFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

std::string MakePage(const std::string& folder, int index) {
    const std::string n = std::to_string(index);
    WriteFile(folder + "/style.css", "body { font-family: sans-serif; color: #234; }\nh1 { color: #a40; }\n");
    // A 1x1 PNG.
    WriteFile(folder + "/dot.png",
              std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1f\x15\xc4\x89"
                          "\0\0\0\rIDATx\x9c" "c\xf8\x0f\0\0\x01\x01\0\x05\x18\xd8N\0\0\0\0IEND\xae" "B`\x82",
                          67));
    const std::string page = folder + "/ページ " + n + ".htm";
    std::string body;
    for (int p = 0; p < 20; ++p) body += "<p>これは変換の速さを測るための段落です。Paragraph " + std::to_string(p) + ".</p>\n";
    WriteFile(page, "<html><head><meta charset=\"utf-8\"><title>測定 " + n +
                        "</title><link rel=\"stylesheet\" href=\"style.css\"></head><body><h1>ページ " + n +
                        "</h1><img src=\"dot.png\">\n" + body + "</body></html>\n");
    return page;
}

}  // namespace bench
