// hhc on one and on two threads beside chmcmd and wimlib's LZX compressor on big projects:
// generated reference manuals of 2 000, 20 000 and 200 000 pages, one of about a gigabyte,
// Sphinx's documentation and the libxslt manual. Wall and CPU time, peak memory and output
// size per compiler, ratios worked out in the same run, then the largest manual's compiled
// file read back by chmlib, 7-Zip, chmls and libmspack against its sources. Prints figures,
// judges nothing but the readback; the last line is machine-readable.
// Environment: TESS_BENCH_SCALE=small runs everything at a tenth of its size;
// TESS_BENCH_BIG_MB sets the big project's size (default 1024); TESS_BENCH_CHMCMD_LIMIT the
// seconds chmcmd may take per project (default 600, small 60).
#include <sys/statvfs.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/chm/wimlib_lzx.h"
#include "bench/hhc/child_process.h"
#include "bench/hhc/doxygen_like_project.h"
#include "bench/hhc/help_project.h"
#include "bench/hhc/table_text.h"
#include "tests/chm/chm_readers.h"

namespace {

namespace fs = std::filesystem;
using bench::HelpProject;

constexpr double kHhcLimit = 7200;
constexpr unsigned kWimlibLevels[] = {20, 50, 100};

struct Options {
    unsigned scale = 1;
    unsigned big_mb = 1024;
    double chmcmd_limit = 600;
};

Options ReadOptions() {
    Options o;
    if (const char* s = std::getenv("TESS_BENCH_SCALE"); s && std::string(s) == "small") o.scale = 10;
    const char* mb = std::getenv("TESS_BENCH_BIG_MB");
    o.big_mb = mb ? static_cast<unsigned>(std::max(1, std::atoi(mb))) : 1024 / o.scale;
    // chmcmd grows faster than its input: a small run gives it a tenth of the time as well.
    o.chmcmd_limit /= o.scale;
    if (const char* l = std::getenv("TESS_BENCH_CHMCMD_LIMIT")) o.chmcmd_limit = std::max(1.0, std::atof(l));
    return o;
}

// One compiler or compressor on one input; a figure below zero was not measured.
struct Cell {
    std::string tool, key;
    bool done = false;
    std::string note;  // why it is not done
    double wall = -1, cpu = -1, rss_mb = -1;
    double bytes = -1;
};

struct Row {
    std::string input, key;
    size_t files = 0;
    std::uintmax_t input_bytes = 0;
    std::vector<Cell> cells;
    const Cell& Of(const std::string& key_of_tool) const {
        for (const auto& c : cells)
            if (c.key == key_of_tool) return c;
        static const Cell none;
        return none;
    }
};

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

std::string Tail(const fs::path& log) {
    std::string text = bench::ReadFile(log);
    return text.size() > 600 ? text.substr(text.size() - 600) : text;
}

// A compiler run on the project, its file kept as `kept` in the project's folder.
Cell Compile(const std::string& tool, const std::string& key, const std::vector<std::string>& argv,
             const HelpProject& p, const std::string& kept, double limit, const fs::path& logs) {
    Cell c{tool, key};
    std::error_code ec;
    fs::remove(p.CompiledPath(), ec);
    const fs::path log = logs / (key + ".log");
    const bench::ChildFigures f = bench::RunChild(argv, p.folder, log, limit);
    const std::uintmax_t size = fs::file_size(p.CompiledPath(), ec);
    if (!f.started) {
        c.note = argv[0] + " could not start";
    } else if (f.timed_out) {
        c.note = "stopped after " + std::to_string(static_cast<int>(limit)) + " s";
    } else if (f.exit_status != 0 || ec || size == 0) {
        c.note = "ended with status " + std::to_string(f.exit_status) + (ec ? ", no compiled file" : "") + ": " +
                 Tail(log);
    } else {
        c.done = true;
        c.bytes = double(size);
        fs::rename(p.CompiledPath(), p.folder / kept, ec);
    }
    c.wall = f.wall_s;
    c.cpu = f.cpu_s;
    c.rss_mb = double(f.peak_rss_kb) / 1024;
    return c;
}

// The files of [FILES] end to end, cut every 64 KB: the stream a compiled file's content is.
std::vector<Cell> Wimlib(const HelpProject& p) {
    std::string all;
    all.reserve(p.input_bytes);
    for (const auto& f : p.files) all += bench::ReadFile(p.folder / f);
    std::vector<Cell> cells;
    for (unsigned level : kWimlibLevels) {
        Cell c{"wimlib " + std::to_string(level), "w" + std::to_string(level)};
        bench::WimlibLzx lzx(level);
        const double cpu0 = ProcessCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        if (lzx.ok()) {
            c.bytes = double(lzx.Compress(all.data(), all.size()));
            c.done = true;
        } else {
            c.note = "wimlib refused the level";
        }
        c.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        c.cpu = ProcessCpuSeconds() - cpu0;
        cells.push_back(c);
    }
    return cells;
}

Row Measure(const std::string& input, const std::string& key, const HelpProject& p, const Options& o,
            const fs::path& logs) {
    Row r{input, key, p.files.size(), p.input_bytes};
    const std::string project = p.ProjectPath().string();
    r.cells.push_back(Compile("hhc -j1", key + "_hhc1", {HHC_PATH, "-j", "1", project}, p, "hhc-j1.chm", kHhcLimit, logs));
    r.cells.push_back(Compile("hhc -j2", key + "_hhc2", {HHC_PATH, "-j", "2", project}, p, "hhc-j2.chm", kHhcLimit, logs));
    r.cells.push_back(Compile("chmcmd", key + "_chmcmd", {"chmcmd", "--no-html-scan", HelpProject::kProjectName}, p,
                              "chmcmd.chm", o.chmcmd_limit, logs));
    for (Cell c : Wimlib(p)) {
        c.key = key + "_" + c.key;
        r.cells.push_back(c);
    }
    return r;
}

bench::TableText MakeTable() {
    return bench::TableText({{"input", 26, false}, {"files", 7, true}, {"input MB", 9, true}, {"tool", 11, false},
                             {"wall s", 9, true}, {"CPU s", 9, true}, {"peak MB", 8, true}, {"output bytes", 13, true}});
}

void PrintRow(bench::TableText& t, const Row& r) {
    using bench::Figure;
    for (const auto& c : r.cells) {
        const bool child = c.key.find("_w") == std::string::npos;
        t.Print({r.input, std::to_string(r.files), Figure(double(r.input_bytes) / 1e6, 1), c.tool,
                 c.done ? Figure(c.wall, 3) : "—", c.done ? Figure(c.cpu, 3) : "—",
                 c.done && child ? Figure(c.rss_mb, 1) : "—", c.done ? Figure(c.bytes, 0) : "—"});
    }
}

enum class Part { kWall, kCpu, kBytes };
double Ratio(const Cell& a, const Cell& b, Part what) {
    if (!a.done || !b.done) return -1;
    const auto pick = [what](const Cell& c) { return what == Part::kWall ? c.wall : what == Part::kCpu ? c.cpu : c.bytes; };
    return pick(b) > 0 ? pick(a) / pick(b) : -1;
}

struct Readback {
    bool ok = false;
    std::string text, machine;
};

void Say(std::string& text, const char* label, const std::string& what) {
    char line[64];
    std::snprintf(line, sizeof line, "  %-15s ", label);
    text += line + what + "\n";
}

// The readers against the sources, and the file of one thread against that of two.
Readback ReadBack(const Row& r, const HelpProject& p, const fs::path& work) {
    Readback b;
    b.text = "Readback of " + r.input + " (hhc -j1), byte for byte against its sources:\n";
    const fs::path one = p.folder / "hhc-j1.chm", two = p.folder / "hhc-j2.chm";
    if (!r.Of(r.key + "_hhc1").done || !r.Of(r.key + "_hhc2").done) {
        b.text += "  hhc did not compile it: nothing to read back\n";
        b.machine = " readback_ok=0";
        return b;
    }
    const bench::ChildFigures same = bench::RunChild({"cmp", "-s", one.string(), two.string()}, work, work / "cmp.log", 600);
    const bool identical = same.Succeeded();
    Say(b.text, "-j1 and -j2", identical ? "identical (cmp)" : "DIFFER (cmp)");
    b.machine += std::string(" threads_identical=") + (identical ? "1" : "0");

    chm_test::FileMap expected;
    for (const auto& f : p.files) expected["/" + f] = bench::ReadFile(p.folder / f);
    for (const auto& f : {p.contents, p.index})
        if (!f.empty()) expected["/" + f] = bench::ReadFile(p.folder / f);
    const fs::path out = work / "readback";
    fs::create_directories(out);
    const auto t0 = std::chrono::steady_clock::now();
    const std::vector<std::string> differences =
        chm_test::CompareWithReaders(one.string(), expected, out.string(), chm_test::MspackOrder::kContent);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    for (const std::string reader : {"extract_chmLib", "7z", "chmls", "libmspack"}) {
        std::vector<std::string> own;
        for (const auto& d : differences)
            if (d.rfind(reader + ":", 0) == 0 || d.rfind(reader + " ", 0) == 0) own.push_back(d);
        Say(b.text, reader.c_str(), own.empty() ? "all " + std::to_string(expected.size()) + " files byte for byte" : own.front());
        for (size_t i = 1; i < own.size(); ++i) Say(b.text, "", own[i]);
        b.machine += " readback_" + std::string(reader == "extract_chmLib" ? "chmlib" : reader) + "=" + (own.empty() ? "1" : "0");
    }
    char took[64];
    std::snprintf(took, sizeof took, "  (the four readers took %.1f s)\n", seconds);
    b.text += took;
    fs::remove_all(out);
    b.ok = identical && differences.empty();
    b.machine += std::string(" readback_ok=") + (b.ok ? "1" : "0");
    return b;
}

std::string Key(const std::string& key, double v, int decimals) {
    char s[64];
    std::snprintf(s, sizeof s, " %s=%.*f", key.c_str(), decimals, v);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (bench::IsMeasuredRun(argc, argv)) return bench::MeasuredRun(argc, argv);
    setenv("HHC_SUCCESS_STATUS", "0", 1);  // hhc, like chmcmd, then gives 0 on success
    const Options o = ReadOptions();
    const size_t counts[] = {2000 / o.scale, 20000 / o.scale, 200000 / o.scale};
    const std::uintmax_t big_bytes = std::uintmax_t(o.big_mb) * 1000000;  // MB as the table counts them
    const size_t big_pages = bench::PagesForBytes(big_bytes, bench::kLongPages);

    std::string pattern = (fs::temp_directory_path() / "hhc-big-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr, "cannot make a folder under %s\n", fs::temp_directory_path().c_str());
        return 1;
    }
    const fs::path root = pattern;
    // The largest manual is kept while four readers unpack it; the big project has its outputs.
    const double largest = 5000.0 * double(counts[2]);
    const double need = std::max(largest * 6.5, double(big_bytes) * 1.7);
    struct statvfs disk{};
    if (statvfs(root.c_str(), &disk) == 0 && double(disk.f_bavail) * double(disk.f_frsize) < need) {
        std::fprintf(stderr, "%s has %.1f GB free; this run needs about %.1f GB (TESS_BENCH_SCALE=small needs a tenth)\n",
                     root.c_str(), double(disk.f_bavail) * double(disk.f_frsize) / 1e9, need / 1e9);
        fs::remove_all(root);
        return 1;
    }
    const fs::path logs = root / "logs";
    fs::create_directories(logs);

    std::printf("hhc beside chmcmd (stopped after %.0f s) and wimlib's LZX on 64 KB intervals; one run each%s\n",
                o.chmcmd_limit, o.scale > 1 ? ", at a tenth of full size" : "");
    std::printf("(wimlib: the files of [FILES] end to end, compressed in this process; its peak is not its own.\n"
                " Wall time on a busy machine runs ahead of CPU time: compare CPU when they part.)\n");
    bench::TableText table = MakeTable();
    table.PrintHeader();

    struct Input {
        std::string name, key;
        size_t pages;  // generated; 0 for a Debian manual
        bench::PageShape shape;
        fs::path source;
    };
    std::vector<Input> inputs;
    for (size_t n : counts) inputs.push_back({"generated " + std::to_string(n), "g" + std::to_string(n), n, bench::kReferencePages, {}});
    inputs.push_back({"generated " + std::to_string(o.big_mb) + " MB", "big", big_pages, bench::kLongPages, {}});
    inputs.push_back({"Sphinx documentation", "sphinx", 0, {}, "/usr/share/doc/sphinx-doc/html"});
    inputs.push_back({"libxslt manual", "libxslt", 0, {}, "/usr/share/doc/libxslt1-dev/html"});

    std::vector<Row> rows;
    Readback readback;
    readback.text = "No readback: the largest generated manual was not made.\n";
    bool ok = true;
    for (const Input& in : inputs) {
        HelpProject p;
        const fs::path folder = root / in.key;
        const auto t0 = std::chrono::steady_clock::now();
        const std::string error = in.pages ? bench::GenerateDoxygenLike(folder, in.pages, in.shape, p)
                                           : bench::ProjectOfFolder(in.source, folder, in.name, p);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s%s\n", in.name.c_str(), error.c_str(),
                         in.pages ? "" : " (install the Debian packages sphinx-doc and libxslt1-dev)");
            ok = false;
            fs::remove_all(folder);
            continue;
        }
        std::fprintf(stderr, "%s: %zu files, %.1f MB, made in %.1f s\n", in.name.c_str(), p.files.size(),
                     double(p.input_bytes) / 1e6,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        Row r = Measure(in.name, in.key, p, o, logs);
        PrintRow(table, r);
        std::fflush(stdout);
        for (const auto& c : r.cells) {
            if (!c.note.empty() && c.key.find("_w") == std::string::npos)
                std::fprintf(stderr, "%s, %s: %s\n", in.name.c_str(), c.tool.c_str(), c.note.c_str());
            if (c.key.find("_hhc") != std::string::npos && !c.done) ok = false;
        }
        if (in.pages == counts[2]) {
            readback = ReadBack(r, p, root);
            ok &= readback.ok;
        }
        rows.push_back(r);
        fs::remove_all(folder);
    }
    fs::remove_all(root);

    std::printf("\nRatios (wall time; sizes of whole compiled files against wimlib's stream of [FILES]):\n");
    bench::TableText ratios({{"input", 26, false}, {"j1/j2 wall", 11, true}, {"hhc-j1/chmcmd", 14, true},
                             {"hhc-j2/chmcmd", 14, true}, {"CPU j1/chmcmd", 14, true}, {"hhc/wimlib-20", 14, true},
                             {"chmcmd/wimlib-20", 17, true}});
    ratios.PrintHeader();
    std::string machine = "big_projects scale=" + std::to_string(o.scale);
    for (const Row& r : rows) {
        const Cell &h1 = r.Of(r.key + "_hhc1"), &h2 = r.Of(r.key + "_hhc2"), &e = r.Of(r.key + "_chmcmd"),
                   &w20 = r.Of(r.key + "_w20");
        const double speedup = Ratio(h1, h2, Part::kWall), vs1 = Ratio(h1, e, Part::kWall), vs2 = Ratio(h2, e, Part::kWall),
                     cpu = Ratio(h1, e, Part::kCpu), size = Ratio(h1, w20, Part::kBytes), esize = Ratio(e, w20, Part::kBytes);
        ratios.Print({r.input, bench::Figure(speedup, 2), bench::Figure(vs1, 3), bench::Figure(vs2, 3),
                      bench::Figure(cpu, 3), bench::Figure(size, 3), bench::Figure(esize, 3)});
        machine += Key(r.key + "_files", double(r.files), 0) + Key(r.key + "_input_bytes", double(r.input_bytes), 0);
        for (const Cell& c : r.cells) {
            machine += Key(c.key + "_wall", c.done ? c.wall : -1, 3) + Key(c.key + "_cpu", c.done ? c.cpu : -1, 3) +
                       Key(c.key + "_bytes", c.done ? c.bytes : -1, 0);
            if (c.key.find("_w") == std::string::npos) machine += Key(c.key + "_rss_mb", c.done ? c.rss_mb : -1, 1);
        }
        machine += Key(r.key + "_speedup", speedup, 3) + Key(r.key + "_hhc1_vs_chmcmd", vs1, 3) +
                   Key(r.key + "_hhc2_vs_chmcmd", vs2, 3) + Key(r.key + "_cpu_vs_chmcmd", cpu, 3) + Key(r.key + "_size_vs_w20", size, 3);
    }
    // The same pages at a hundred times the count: above 1, each file costs more in a big project.
    const Row *few = nullptr, *many = nullptr;
    for (const Row& r : rows) {
        if (r.key == "g" + std::to_string(counts[0])) few = &r;
        if (r.key == "g" + std::to_string(counts[2])) many = &r;
    }
    if (few && many) {
        std::printf("\nWall time per file, %zu pages against %zu:", counts[2], counts[0]);
        for (const std::string tool : {"hhc1", "hhc2", "chmcmd"}) {
            const Cell &a = many->Of(many->key + "_" + tool), &b = few->Of(few->key + "_" + tool);
            const double per = a.done && b.done && b.wall > 0
                                   ? (a.wall / double(many->files)) / (b.wall / double(few->files)) : -1;
            std::printf("  %s %s", a.tool.c_str(), bench::Figure(per, 2).c_str());
            machine += Key("per_file_" + tool, per, 3);
        }
        std::printf("\n");
    }
    std::printf("\n%s", readback.text.c_str());
    std::printf("%s%s\n", machine.c_str(), readback.machine.c_str());
    return ok ? 0 : 1;
}
