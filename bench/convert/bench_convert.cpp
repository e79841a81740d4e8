// Measures what a user feels: the whole conversion of a page against our compiler alone on the
// same page, the waits as mended against the waits as first designed, the CPU spent while waiting on
// the compiler, drops of many pages (batch and desktop), and the start-up. Every timed run must
// have produced its file; when one did not, the bench says so and ends with 1. Prints a table;
// the last line is machine-readable.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "bench_support.h"
#include "convert/page_conversion.h"
#include "convert/project_file.h"
#include "app/identity.h"
#include "platform/console/console_window_system.h"
#include "platform/posix/posix_services.h"
#include "settings/compiler_location.h"
#include "settings/settings_store.h"

namespace {

namespace fs = std::filesystem;
using bench::Median;

std::vector<std::string> failures;

void Failed(const std::string& what) {
    std::fprintf(stderr, "failed: %s\n", what.c_str());
    failures.push_back(what);
}

// Our compiler alone on the project the program writes for the page, in a folder of its own: the
// comparison, not part of our path.
double CompilerAlone(tess::TextCodec& codec, const std::string& page, const std::string& folder) {
    fs::create_directories(folder);
    const auto project = tess::ProjectFileBytes(codec, folder, page);
    if (!project) {
        Failed("the project for " + page);
        return 0;
    }
    bench::WriteFile(folder + "Dummy.hhp", *project);
    fs::remove(folder + "Dummy.chm");
    // hhc, like the other programs timed here, then gives 0 on success.
    const auto run = bench::RunChild({bench::ExecutableFolder() + "/hhc", folder + "Dummy.hhp"}, folder, {"HHC_SUCCESS_STATUS=0"});
    if (!run.ok || !fs::exists(folder + "Dummy.chm")) Failed("hhc alone on " + page);
    return run.wall_ms;
}

struct Timing {
    double wall_ms = 0;      // the whole conversion
    double wait_cpu_ms = 0;  // while waiting on the compiler: ours and the compiler's
};

class Converter {
public:
    Converter(tess::PosixServices& services, tess::ConsoleWindowSystem& windows, const std::string& root)
        : platform_(services.Bundle(windows)), settings_(services.settings, windows, "Quillvane") {
        settings_.Write(tess::kKeyInstallPath, bench::ExecutableFolder() + "/hhc");
        settings_.Write(tess::kKeyInstallPathF, root + "/compiler");
        settings_.Write(tess::kKeyStartSplash, "OFF");
        fs::create_directories(root + "/compiler");
        fs::create_directories(root + "/work");
        work_ = root + "/work/";
    }

    // The steps of one page's conversion, with the wait on the compiler timed on its own.
    Timing Convert(const std::string& page, const tess::WaitLimits& limits) {
        tess::CompilerRun run(platform_, tess::StoredCompiler(settings_), work_);
        run.limits = limits;
        Timing t;
        const double wall = bench::NowMs();
        auto placed = [&]() -> tess::Result<std::string> {
            if (auto written = tess::WriteProjectFile(run.files, run.codec, run.work_folder, page); !written)
                return written.error();
            auto started = tess::StartCompiler(run);
            if (!started) return started.error();
            const double cpu = bench::CpuMs();
            auto finished = tess::WaitForCompiler(run, *started);
            t.wait_cpu_ms = bench::CpuMs() - cpu;
            if (!finished) return finished.error();
            return tess::PlaceOutput(run, page);
        }();
        t.wall_ms = bench::NowMs() - wall;
        if (!placed) Failed(page + ": " + placed.error().message);
        else if (!fs::exists(*placed)) Failed(page + ": " + *placed + " is missing");
        return t;
    }

private:
    tess::Platform platform_;
    tess::SettingsStore settings_;
    std::string work_;
};

tess::WaitLimits Literal() {
    tess::WaitLimits limits;
    limits.poll_ms = 0;            // polls back to back
    limits.settle_ms = 0;          // and probes at once
    limits.paint_every_ms = 1 << 30;
    return limits;                 // and the 2000 ms pause whenever the log is held
}

struct Startup {
    double ms = 0;
    double rss_mb = 0;
};

// The real start path, splash off, to a painted main window, on one Qt platform.
Startup MeasureStartup(const std::string& qpa) {
    std::vector<double> times, rss;
    for (int i = 0; i < 5; ++i) {
        const auto run = bench::RunChild({bench::ExecutableFolder() + "/bench_startup"}, "", {"QT_QPA_PLATFORM=" + qpa});
        if (!run.ok) Failed("start-up (" + qpa + ") did not paint its main window, status " + std::to_string(run.status));
        times.push_back(run.wall_ms);
        rss.push_back(run.max_rss_kb / 1024.0);
    }
    return {Median(times), bench::Max(rss)};
}

// Drop sizes up to `batch`, each once: 1, 10 and `batch`.
std::vector<int> DropCounts(int batch) {
    std::set<int> counts;
    for (int c : {1, 10, batch})
        if (c >= 1 && c <= batch) counts.insert(c);
    return {counts.begin(), counts.end()};
}

struct Drop {
    int count = 0;
    double ms = 0;
};

// The same drops through the real main window (offscreen), in a program of its own.
std::vector<Drop> DesktopDrops(const std::vector<int>& counts, const std::vector<std::string>& pages) {
    std::string command = "QT_QPA_PLATFORM=offscreen '" + bench::ExecutableFolder() + "/bench_drop' ";
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i) command += ',';
        command += std::to_string(counts[i]);
    }
    for (const auto& page : pages) command += " '" + page + "'";
    command += " 2>/dev/null";
    std::vector<Drop> drops;
    FILE* out = popen(command.c_str(), "r");
    if (!out) {
        Failed("bench_drop did not start");
        return drops;
    }
    Drop d;
    int placed = 0;
    while (std::fscanf(out, "%d %lf %d", &d.count, &d.ms, &placed) == 3) {
        if (placed != d.count) Failed("desktop drop of " + std::to_string(d.count) + " placed " + std::to_string(placed));
        drops.push_back(d);
    }
    if (pclose(out) != 0 || drops.size() != counts.size()) Failed("desktop drops did not all complete");
    return drops;
}

void Row(const char* name, double median, double max) { std::printf("%-48s %12.1f %12.1f\n", name, median, max); }
void Row(const char* name, double value) { std::printf("%-48s %12.1f\n", name, value); }

}  // namespace

int main(int argc, char** argv) {
    const int pages = argc > 1 ? std::atoi(argv[1]) : 20;
    const int batch = argc > 2 ? std::atoi(argv[2]) : 100;
    if (pages < 1 || batch < 1) {
        std::fprintf(stderr, "usage: bench_convert [PAGES>0] [BATCH>0]\n");
        return 2;
    }
    const std::string root = bench::MakeTempFolder("tessaline-bench");
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);

    tess::PosixServices services(tess::Names());
    tess::ConsoleWindowSystem windows(std::cerr);
    Converter converter(services, windows, root);

    std::vector<std::string> page_paths;
    for (int i = 0; i < std::max(pages, batch); ++i)
        page_paths.push_back(bench::MakePage(root + "/pages/" + std::to_string(i), i));

    // Per page: the whole conversion against the compiler alone, on the same pages.
    const std::string alone_folder = root + "/alone/";
    const auto alone = [&](int i) { return CompilerAlone(services.codec, page_paths[i], alone_folder); };
    std::vector<double> compiler, ours, overhead, wait_cpu;
    for (int i = 0; i < pages; ++i) {
        compiler.push_back(alone(i));
        const Timing t = converter.Convert(page_paths[i], tess::WaitLimits{});
        ours.push_back(t.wall_ms);
        overhead.push_back(t.wall_ms - compiler.back());
        wait_cpu.push_back(t.wait_cpu_ms);
    }

    // The waits as first designed, on a few pages (each may cost seconds).
    std::vector<double> literal, literal_cpu;
    for (int i = 0; i < std::min(pages, 3); ++i) {
        const Timing t = converter.Convert(page_paths[i], Literal());
        literal.push_back(t.wall_ms);
        literal_cpu.push_back(t.wait_cpu_ms);
    }

    // Drops of many pages: time per page must not grow with the count.
    const std::vector<int> counts = DropCounts(batch);
    std::vector<Drop> batch_drops;
    for (int count : counts) {
        const double start = bench::NowMs();
        for (int i = 0; i < count; ++i) converter.Convert(page_paths[i], tess::WaitLimits{});
        batch_drops.push_back({count, bench::NowMs() - start});
    }
    const std::vector<Drop> desktop_drops =
        DesktopDrops(counts, std::vector<std::string>(page_paths.begin(), page_paths.begin() + batch));
    double batch_compiler = 0;
    for (int i = 0; i < batch; ++i) batch_compiler += alone(i);

    const Startup offscreen = MeasureStartup("offscreen");
    const bool x_server = std::getenv("DISPLAY") && *std::getenv("DISPLAY");
    const Startup xcb = x_server ? MeasureStartup("xcb") : Startup{};

    std::printf("%-48s %12s %12s\n", "figure", "median", "max");
    Row("hhc alone per page (ms)", Median(compiler), bench::Max(compiler));
    Row("whole conversion per page (ms)", Median(ours), bench::Max(ours));
    Row("overhead over hhc alone (ms)", Median(overhead), bench::Max(overhead));
    std::printf("%-48s %12.2f\n", "whole / hhc alone (ratio of medians)", Median(ours) / Median(compiler));
    Row("tight polls + 2000 ms pause per page (ms)", Median(literal), bench::Max(literal));
    Row("CPU while waiting per page, ours (ms)", Median(wait_cpu), bench::Max(wait_cpu));
    Row("CPU while waiting per page, tight polls (ms)", Median(literal_cpu), bench::Max(literal_cpu));
    for (const auto& [name, drops] : {std::pair{"batch", batch_drops}, std::pair{"desktop", desktop_drops}})
        for (const Drop& d : drops)
            std::printf("%-7s drop of %3d pages: %10.1f ms total, %8.1f ms per page\n", name, d.count, d.ms,
                        d.ms / d.count);
    const double batch_total = batch_drops.back().ms;
    const double desktop_total = desktop_drops.empty() ? 0 : desktop_drops.back().ms;
    Row("hhc alone, sum over the largest drop (ms)", batch_compiler);
    std::printf("%-48s %12.2f\n", "batch drop / hhc sum (ratio)", batch_total / batch_compiler);
    std::printf("%-48s %12.2f\n", "desktop drop / hhc sum (ratio)", desktop_total / batch_compiler);
    Row("start-up, splash off, offscreen (ms)", offscreen.ms);
    if (x_server) Row("start-up, splash off, Xvfb (ms)", xcb.ms);
    else std::printf("%-48s %12s\n", "start-up, splash off, Xvfb (ms)", "no DISPLAY");
    Row("peak memory at start-up (MB)", std::max(offscreen.rss_mb, xcb.rss_mb));
    std::error_code ignored;
    fs::remove_all(root, ignored);
    if (!failures.empty()) {
        std::printf("FAILED: %zu timed runs did not produce their file; the figures above are not valid\n",
                    failures.size());
        return 1;
    }
    std::printf("overhead_ms=%.1f wait_cpu_ms=%.2f batch_ratio=%.2f desktop_ratio=%.2f startup_ms=%.1f "
                "startup_xvfb_ms=%.1f peak_rss_mb=%.1f\n",
                Median(overhead), Median(wait_cpu), batch_total / batch_compiler, desktop_total / batch_compiler,
                offscreen.ms, xcb.ms, std::max(offscreen.rss_mb, xcb.rss_mb));
    return 0;
}
