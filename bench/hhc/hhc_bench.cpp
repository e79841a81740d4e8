// Our hhc against chmcmd on the same files: a real manual from a Debian documentation package,
// without and with full-text search on both sides, and a one-page drop (search on, as the
// program's project has it), time and size; and a drop of 100 pages through tessaline-convert
// against 100 single-page hhc runs. Prints a table; the last line is machine-readable.
// Usage: hhc_bench [runs] [manual folder] (default 7 runs, libxslt1-dev's HTML manual).
#include <fcntl.h>
#include <spawn.h>
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
#include "hhc/collect.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kManual = "/usr/share/doc/libxslt1-dev/html";

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

// Runs a program to its end; the wall time in ms, or -1 when it failed.
double Run(const std::vector<std::string>& argv, const std::string& cwd = "") {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    if (!cwd.empty()) posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    auto start = Clock::now();
    pid_t pid = -1;
    int spawned = posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

std::string Ansi(const std::string& utf8) { return *tess::IconvTextCodec().ToAnsi(utf8); }

// The project as the program writes it; without search, one line more turns it off.
std::string ProgramProject(const std::string& program, const std::string& page, bool search) {
    std::vector<std::string> lines = {
        "[Options]", "Compatibility = 1.1 Or later", "Compiled file=" + program + "Dummy.chm",
        "Default topic=" + page, "Display compile progress=No", "Error log file=" + program + "log1.log",
        "Language=0x411 日本語", "", "", "[Files]", page, "", "[INFOTYPES]", ""};
    if (!search) lines.insert(lines.begin() + 7, "Full-text search=No");
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return Ansi(text);
}

// A compiled file's directory names its entries uncompressed: a search index shows there.
bool HasSearchIndex(const fs::path& chm) {
    std::ifstream in(chm, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.find("/$FIftiMain") != std::string::npos;
}

struct Figures {
    double hhc_ms = -1, chmcmd_ms = -1;
    std::uintmax_t hhc_bytes = 0, chmcmd_bytes = 0;
    size_t files = 0;
};

// hhc on the program's project for `page`; chmcmd on a project of the very files hhc took,
// copied beforehand into a folder of their own (chmcmd takes files by relative names).
Figures Compare(const fs::path& root, const std::string& label, const fs::path& page, int runs, bool search) {
    Figures f;
    std::string program = (root / (label + " program")).string() + "/";
    fs::create_directories(program);
    std::string project = program + "Dummy.hhp";
    Write(project, ProgramProject(program, page.string(), search));

    auto collection = hhc::CollectFiles(page.string());
    if (!collection) {
        std::fprintf(stderr, "%s: %s\n", label.c_str(), collection.error().message.c_str());
        return f;
    }
    f.files = collection->files.size();
    fs::path engine = root / (label + " chmcmd");
    std::string list;
    for (const auto& file : collection->files) {
        Write(engine / file.name, *hhc::ReadCollected(file));
        list += file.name + "\n";
    }
    Write(engine / "p.hhp", "[OPTIONS]\nCompiled file=out.chm\nDefault topic=" + collection->files.front().name +
                                "\nTitle=" + Ansi(collection->files.front().title) +
                                "\nLanguage=0x411\n" + (search ? "Full-text search=Yes\n" : "") + "\n[FILES]\n" + list);

    std::vector<double> h, e;
    // A run counts only when it left its file: an exit status alone has lied before.
    const auto timed = [](double ms, const fs::path& made) {
        std::error_code ec;
        const bool there = fs::file_size(made, ec) > 0 && !ec;
        fs::remove(made, ec);
        return there ? ms : -1;
    };
    for (int r = 0; r < runs; ++r) {
        h.push_back(timed(Run({HHC_PATH, project}), program + "Dummy.chm"));
        e.push_back(timed(Run({"chmcmd", "--no-html-scan", "p.hhp"}, engine.string()), engine / "out.chm"));
    }
    // One more of each, kept for the sizes.
    Run({HHC_PATH, project});
    Run({"chmcmd", "--no-html-scan", "p.hhp"}, engine.string());
    bool failed = std::count(h.begin(), h.end(), -1) || std::count(e.begin(), e.end(), -1);
    if (failed) std::fprintf(stderr, "%s: a run failed\n", label.c_str());
    for (const fs::path& made : {fs::path(program + "Dummy.chm"), engine / "out.chm"}) {
        if (HasSearchIndex(made) == search) continue;
        std::fprintf(stderr, "%s: %s %s a search index\n", label.c_str(), made.c_str(), search ? "lacks" : "has");
        failed = true;
    }
    f.hhc_ms = failed ? -1 : Median(h);
    f.chmcmd_ms = failed ? -1 : Median(e);
    std::error_code ec;
    f.hhc_bytes = fs::file_size(program + "Dummy.chm", ec);
    f.chmcmd_bytes = fs::file_size(engine / "out.chm", ec);
    return f;
}

// A page of about 20 KB: Japanese text, a style sheet and an image, in a folder with blanks.
fs::path MakePage(const fs::path& folder, int i) {
    std::string n = std::to_string(i);
    std::string body;
    for (int k = 0; body.size() < 19000; ++k)
        body += "<p>これは見本のページ " + n + " の段落 " + std::to_string(k) + " です。変換の速さを測ります。</p>\n";
    std::string html = "<html><head><meta charset=\"utf-8\"><title>見本 " + n +
                       "</title><link rel=\"stylesheet\" href=\"様式.css\"></head><body>" + body +
                       "<img src=\"画像/図" + n + ".png\"></body></html>";
    Write(folder / "様式.css", "body { font-family: sans-serif } p { margin: 0.5em }");
    Write(folder / ("画像/図" + n + ".png"), Noise(3000, static_cast<unsigned>(i)));
    fs::path page = folder / ("ページ" + n + ".html");
    Write(page, html);
    return page;
}

void Row(const char* label, const Figures& f) {
    std::printf("%-28s %6zu %10.1f %10.1f %9.3f %12ju %12ju %7.3f\n", label, f.files, f.hhc_ms, f.chmcmd_ms,
                f.chmcmd_ms > 0 ? f.hhc_ms / f.chmcmd_ms : 0, f.hhc_bytes, f.chmcmd_bytes,
                f.chmcmd_bytes ? static_cast<double>(f.hhc_bytes) / static_cast<double>(f.chmcmd_bytes) : 0);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("HHC_SUCCESS_STATUS", "0", 1);  // hhc, like chmcmd, then gives 0 on success
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    fs::path manual = argc > 2 ? fs::path(argv[2]) : fs::path(kManual);
    if (!fs::exists(manual / "index.html")) {
        std::fprintf(stderr, "The manual %s is missing: install the Debian package libxslt1-dev.\n", manual.c_str());
        return 1;
    }
    std::string pattern = (fs::temp_directory_path() / "hhc-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    fs::path root = pattern;
    // tessaline-convert keeps its settings and work files here, not in the user's.
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);

    std::printf("hhc against chmcmd on the same files, median of %d runs (ms, bytes)\n", runs);
    std::printf("%-28s %6s %10s %10s %9s %12s %12s %7s\n", "input", "files", "hhc", "chmcmd", "time", "hhc size",
                "chmcmd size", "size");
    std::string manual_name = manual.filename().string() + " of " + manual.parent_path().filename().string();
    Figures m = Compare(root, "manual", manual / "index.html", runs, false);
    Row(("manual: " + manual_name).c_str(), m);
    Figures s = Compare(root, "manual search", manual / "index.html", runs, true);
    Row(("manual + search: " + manual_name).c_str(), s);
    fs::path one = MakePage(root / "一枚 のページ", 0);
    Figures p = Compare(root, "page", one, std::max(runs, 21), true);
    Row("one page of ~20 KB + search", p);

    // The drop: 100 pages in one run of the batch command, which finds hhc beside itself.
    constexpr int kDrop = 100;
    std::vector<std::string> drop = {TESSALINE_CONVERT_PATH};
    for (int i = 0; i < kDrop; ++i) drop.push_back(MakePage(root / "百枚 のページ", i).string());
    std::vector<double> drops;
    for (int r = 0; r < 3; ++r) {
        for (size_t i = 1; i < drop.size(); ++i) fs::remove(fs::path(drop[i]).replace_extension(".chm"));
        double ms = Run(drop);
        for (size_t i = 1; i < drop.size(); ++i)
            if (!fs::exists(fs::path(drop[i]).replace_extension(".chm"))) ms = -1;
        drops.push_back(ms);
    }
    double drop_ms = std::count(drops.begin(), drops.end(), -1) ? -1 : Median(drops);
    double single_sum = kDrop * p.hhc_ms;
    std::printf("%-28s %10.1f ms (median of 3), against %d single hhc runs: %.1f ms, ratio %.2f\n", "drop of 100 pages", drop_ms,
                kDrop, single_sum, drop_ms > 0 ? drop_ms / single_sum : 0);

    std::printf("manual_time_ratio=%.3f manual_size_ratio=%.3f manual_hhc_ms=%.1f manual_chmcmd_ms=%.1f "
                "page_hhc_ms=%.2f page_size_ratio=%.3f drop_ratio=%.2f search_time_ratio=%.3f "
                "search_size_ratio=%.3f search_hhc_ms=%.1f search_chmcmd_ms=%.1f search_hhc_bytes=%ju "
                "search_chmcmd_bytes=%ju\n",
                m.chmcmd_ms > 0 ? m.hhc_ms / m.chmcmd_ms : -1,
                m.chmcmd_bytes ? static_cast<double>(m.hhc_bytes) / static_cast<double>(m.chmcmd_bytes) : -1, m.hhc_ms,
                m.chmcmd_ms, p.hhc_ms,
                p.chmcmd_bytes ? static_cast<double>(p.hhc_bytes) / static_cast<double>(p.chmcmd_bytes) : -1,
                drop_ms > 0 ? drop_ms / single_sum : -1, s.chmcmd_ms > 0 ? s.hhc_ms / s.chmcmd_ms : -1,
                s.chmcmd_bytes ? static_cast<double>(s.hhc_bytes) / static_cast<double>(s.chmcmd_bytes) : -1, s.hhc_ms,
                s.chmcmd_ms, s.hhc_bytes, s.chmcmd_bytes);
    std::error_code ec;
    fs::remove_all(root, ec);
    bool ok = m.hhc_ms > 0 && m.chmcmd_ms > 0 && s.hhc_ms > 0 && s.chmcmd_ms > 0 && p.hhc_ms > 0 && drop_ms > 0;
    return ok ? 0 : 1;
}
