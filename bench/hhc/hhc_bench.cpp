// hhc as the program runs it, against chmcmd alone on a project prepared in advance with the
// same files, and how long hhc holds its log; the median of several runs of each. Every run must
// leave its compiled file, or the bench says so and ends with 1.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/posix/iconv_text_codec.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Noise(size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(gen());
    return s;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& cwd) {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    if (!cwd.empty()) posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&fa);
    return pid;
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct Page {
    fs::path path;
    fs::path engine_folder;  // the same files with a ready engine project
};

// A page with Japanese text, a title, a style sheet and two images, in a folder with
// blanks and Japanese names; and the same files laid out for the engine alone.
Page MakePage(const fs::path& root, int i) {
    std::string n = std::to_string(i);
    fs::path folder = root / "ページ 集";
    std::string body;
    for (int k = 0; k < 40; ++k) body += "<p>これは見本のページ " + n + " の段落 " + std::to_string(k) + " です。</p>\n";
    std::string html = "<html><head><meta charset=\"utf-8\"><title>見本 " + n +
                       "</title><link rel=\"stylesheet\" href=\"様式.css\"></head><body>" + body +
                       "<img src=\"画像/図" + n + "a.png\"><img src=\"画像/図" + n + "b.png\"></body></html>";
    Write(folder / ("ページ" + n + ".html"), html);
    Write(folder / "様式.css", "body { background: url(画像/背景.png) }");
    Write(folder / "画像/背景.png", Noise(2000, 999));
    Write(folder / ("画像/図" + n + "a.png"), Noise(6000, i * 2));
    Write(folder / ("画像/図" + n + "b.png"), Noise(6000, i * 2 + 1));

    fs::path engine = root / ("engine" + n) / "page";
    for (const std::string& rel : {"ページ" + n + ".html", std::string("様式.css"), std::string("画像/背景.png"),
                                  "画像/図" + n + "a.png", "画像/図" + n + "b.png"}) {
        fs::create_directories((engine / rel).parent_path());
        fs::copy_file(folder / rel, engine / rel);
    }
    std::string title = *tess::IconvTextCodec().ToAnsi("見本 " + n);
    Write(engine / "p.hhp", "[OPTIONS]\nCompiled file=../out.chm\nDefault topic=ページ" + n +
                                ".html\nTitle=" + title + "\nLanguage=0x411\n\n[FILES]\nページ" + n +
                                ".html\n様式.css\n画像/背景.png\n画像/図" + n + "a.png\n画像/図" + n + "b.png\n");
    return {folder / ("ページ" + n + ".html"), engine};
}

std::string Project(const std::string& program, const std::string& page) {
    const std::vector<std::string> lines = {
        "[Options]", "Compatibility = 1.1 Or later", "Compiled file=" + program + "Dummy.chm",
        "Default topic=" + page, "Display compile progress=No", "Error log file=" + program + "log1.log",
        "Language=0x411 日本語", "", "", "[Files]", page, "", "[INFOTYPES]", ""};
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return *tess::IconvTextCodec().ToAnsi(text);
}

struct HhcRun {
    double total_ms = 0;
    double hold_ms = -1;     // from the log's appearance to its release
    double appear_ms = -1;   // from the start to the log's appearance
    bool ok = false;
};

// The log appears by a rename (IN_MOVED_TO) and is let go by hhc's close (IN_CLOSE_WRITE).
HhcRun RunHhc(const std::string& program, const std::string& project) {
    int in = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(in, program.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    HhcRun run;
    auto start = Clock::now();
    Clock::time_point appeared{}, released{};
    pid_t pid = Spawn({HHC_PATH, project}, "");
    pollfd p{in, POLLIN, 0};
    while (released == Clock::time_point{} && poll(&p, 1, 5000) > 0) {
        alignas(inotify_event) char buf[4096];
        ssize_t n = read(in, buf, sizeof buf);
        auto now = Clock::now();
        for (ssize_t off = 0; off < n;) {
            auto* ev = reinterpret_cast<inotify_event*>(buf + off);
            if (ev->len && std::string(ev->name) == "log1.log") {
                if (ev->mask & IN_MOVED_TO) appeared = now;
                if ((ev->mask & IN_CLOSE_WRITE) && appeared != Clock::time_point{}) released = now;
            }
            off += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
        }
    }
    run.ok = Wait(pid) == 0 && fs::exists(program + "Dummy.chm");
    run.total_ms = Ms(Clock::now() - start);
    if (appeared != Clock::time_point{}) run.appear_ms = Ms(appeared - start);
    if (released != Clock::time_point{}) run.hold_ms = Ms(released - appeared);
    close(in);
    return run;
}

double RunEngineAlone(const fs::path& folder) {
    const fs::path out = folder.parent_path() / "out.chm";
    fs::remove(out);
    auto start = Clock::now();
    int rc = Wait(Spawn({"chmcmd", "--no-html-scan", "p.hhp"}, folder.string()));
    double ms = Ms(Clock::now() - start);
    return rc == 0 && fs::exists(out) ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
    int pages = argc > 1 ? std::atoi(argv[1]) : 10;
    int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (pages < 1 || runs < 1) {
        std::fprintf(stderr, "usage: hhc_bench [PAGES>0] [RUNS>0]\n");
        return 2;
    }
    std::string pattern = (fs::temp_directory_path() / "hhc-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    fs::path root = pattern;
    std::string program = (root / "プログラム フォルダ").string() + "/";
    fs::create_directories(program);

    std::vector<double> hhc_ms, engine_ms, hold_ms, appear_ms;
    int failures = 0;
    std::printf("hhc against chmcmd alone, %d pages, median of %d runs each (ms)\n", pages, runs);
    std::printf("%-6s %10s %10s %10s %10s %12s\n", "page", "hhc", "chmcmd", "added", "log held", "log appears");
    for (int i = 0; i < pages; ++i) {
        Page page = MakePage(root, i);
        std::string project_path = program + "Dummy.hhp";
        std::ofstream(project_path, std::ios::binary) << Project(program, page.path.string());
        std::vector<double> h, e, hold, appear;
        for (int r = 0; r < runs; ++r) {
            fs::remove(program + "log1.log");
            fs::remove(program + "Dummy.chm");
            HhcRun run = RunHhc(program, project_path);
            if (!run.ok || run.hold_ms < 0) ++failures;
            h.push_back(run.total_ms);
            hold.push_back(run.hold_ms);
            appear.push_back(run.appear_ms);
            double alone = RunEngineAlone(page.engine_folder);
            if (alone < 0) ++failures;
            e.push_back(alone);
        }
        std::printf("%-6d %10.1f %10.1f %10.1f %10.1f %12.1f\n", i, Median(h), Median(e), Median(h) - Median(e),
                    Median(hold), Median(appear));
        hhc_ms.push_back(Median(h));
        engine_ms.push_back(Median(e));
        hold_ms.push_back(Median(hold));
        appear_ms.push_back(Median(appear));
    }
    std::printf("%-6s %10.1f %10.1f %10.1f %10.1f %12.1f\n", "median", Median(hhc_ms), Median(engine_ms),
                Median(hhc_ms) - Median(engine_ms), Median(hold_ms), Median(appear_ms));
    std::printf("longest log hold (page medians): %.1f ms\n", *std::max_element(hold_ms.begin(), hold_ms.end()));
    if (failures) std::printf("FAILED: %d runs did not produce their file; the figures above are not valid\n", failures);
    std::error_code ec;
    fs::remove_all(root, ec);
    return failures ? 1 : 0;
}
