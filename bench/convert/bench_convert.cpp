// Measures what a user feels: the whole conversion of a page against the engine alone on the
// same page, the waits as mended against the waits as first designed, the CPU spent waiting,
// and a drop of many pages. Prints a table; the last line is machine-readable.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "convert/page_conversion.h"
#include "platform/posix/posix_services.h"
#include "platform/console/console_window_system.h"
#include "settings/settings_store.h"

#include <iostream>

namespace {

using bench::Median;

struct Timing {
    double wall_ms = 0;
    double cpu_ms = 0;
    bool ok = false;
};

double EngineAlone(const std::string& page) {
    const std::filesystem::path p(page);
    const std::string folder = p.parent_path().string();
    bench::WriteFile(folder + "/engine.hhp",
                     "[OPTIONS]\r\nCompiled file=engine-out.chm\r\nDefault topic=" + p.filename().string() +
                         "\r\nLanguage=0x411\r\n\r\n[FILES]\r\n" + p.filename().string() + "\r\nstyle.css\r\ndot.png\r\n");
    const auto run = bench::RunChild({"chmcmd", "--no-html-scan", "engine.hhp"}, folder);
    return run.wall_ms;
}

class Converter {
public:
    Converter(tess::PosixServices& services, tess::ConsoleWindowSystem& windows, const std::string& root)
        : platform_(services.Bundle(windows)), settings_(services.settings, "Quillvane") {
        settings_.Write(tess::kKeyInstallPath, bench::ExecutableFolder() + "/hhc");
        settings_.Write(tess::kKeyInstallPathF, root + "/compiler");
        std::filesystem::create_directories(root + "/compiler");
        std::filesystem::create_directories(root + "/work");
        work_ = root + "/work/";
    }

    Timing Convert(const std::string& page, const tess::WaitLimits& limits) {
        tess::CompilerRun run(platform_, settings_, work_);
        run.limits = limits;
        Timing t;
        const double wall = bench::NowMs();
        const double cpu = bench::CpuMs();
        auto placed = tess::ConvertPage(run, page);
        t.wall_ms = bench::NowMs() - wall;
        t.cpu_ms = bench::CpuMs() - cpu;
        t.ok = placed.ok();
        if (!placed) std::fprintf(stderr, "failed: %s: %s\n", page.c_str(), placed.error().message.c_str());
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

Startup MeasureStartup() {
    std::vector<double> times, rss;
    for (int i = 0; i < 5; ++i) {
        const auto run = bench::RunChild({bench::ExecutableFolder() + "/bench_startup"}, "");
        times.push_back(run.wall_ms);
        rss.push_back(run.max_rss_kb / 1024.0);
    }
    return {Median(times), bench::Max(rss)};
}

}  // namespace

int main(int argc, char** argv) {
    const int pages = argc > 1 ? std::atoi(argv[1]) : 20;
    const int batch = argc > 2 ? std::atoi(argv[2]) : 100;
    const std::string root = bench::MakeTempFolder("tessaline-bench");
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    tess::PosixServices services;
    tess::ConsoleWindowSystem windows(std::cerr);
    Converter converter(services, windows, root);

    std::vector<std::string> page_paths;
    for (int i = 0; i < std::max(pages, batch); ++i)
        page_paths.push_back(bench::MakePage(root + "/pages/" + std::to_string(i), i));

    // Per page: ours against the engine alone, on the same pages.
    std::vector<double> engine, ours, overhead;
    double wait_cpu = 0, wait_wall = 0;
    for (int i = 0; i < pages; ++i) {
        engine.push_back(EngineAlone(page_paths[i]));
        const Timing t = converter.Convert(page_paths[i], tess::WaitLimits{});
        ours.push_back(t.wall_ms);
        overhead.push_back(t.wall_ms - engine.back());
        wait_cpu += t.cpu_ms;
        wait_wall += t.wall_ms;
    }

    // The waits as first designed, on a few pages (each may cost seconds).
    std::vector<double> literal;
    double literal_cpu = 0, literal_wall = 0;
    for (int i = 0; i < std::min(pages, 3); ++i) {
        const Timing t = converter.Convert(page_paths[i], Literal());
        literal.push_back(t.wall_ms);
        literal_cpu += t.cpu_ms;
        literal_wall += t.wall_ms;
    }

    // A drop of many pages: time per page must not grow with the count.
    std::vector<std::pair<int, double>> drops;
    double batch_total = 0, batch_engine = 0;
    for (int count : {1, 10, batch}) {
        const double start = bench::NowMs();
        for (int i = 0; i < count; ++i) converter.Convert(page_paths[i], tess::WaitLimits{});
        const double total = bench::NowMs() - start;
        drops.push_back({count, total});
        if (count == batch) batch_total = total;
    }
    for (int i = 0; i < batch; ++i) batch_engine += EngineAlone(page_paths[i]);

    const Startup startup = MeasureStartup();

    const double wait_cpu_pct = wait_wall > 0 ? 100.0 * wait_cpu / wait_wall : 0;
    const double literal_cpu_pct = literal_wall > 0 ? 100.0 * literal_cpu / literal_wall : 0;
    std::printf("%-44s %12s %12s\n", "figure", "median", "max");
    std::printf("%-44s %12.1f %12.1f\n", "engine alone per page (ms)", Median(engine), bench::Max(engine));
    std::printf("%-44s %12.1f %12.1f\n", "whole conversion per page (ms)", Median(ours), bench::Max(ours));
    std::printf("%-44s %12.1f %12.1f\n", "overhead over the engine (ms)", Median(overhead), bench::Max(overhead));
    std::printf("%-44s %12.2f\n", "whole / engine (ratio of medians)", Median(ours) / Median(engine));
    std::printf("%-44s %12.1f %12.1f\n", "tight polls + 2000 ms pause per page (ms)", Median(literal), bench::Max(literal));
    std::printf("%-44s %12.1f %%\n", "CPU while waiting, ours (share of wall)", wait_cpu_pct);
    std::printf("%-44s %12.1f %%\n", "CPU while waiting, tight polls", literal_cpu_pct);
    for (auto [count, total] : drops)
        std::printf("drop of %3d pages: %10.1f ms total, %8.1f ms per page\n", count, total, total / count);
    std::printf("%-44s %12.1f\n", "engine alone, sum over the drop (ms)", batch_engine);
    std::printf("%-44s %12.2f\n", "drop / engine sum (ratio)", batch_total / batch_engine);
    std::printf("%-44s %12.1f\n", "start-up to a painted main window (ms)", startup.ms);
    std::printf("%-44s %12.1f\n", "peak memory at start-up (MB)", startup.rss_mb);
    std::printf("overhead_ms=%.1f wait_cpu_pct=%.2f batch_ratio=%.2f startup_ms=%.1f peak_rss_mb=%.1f\n",
                Median(overhead), wait_cpu_pct, batch_total / batch_engine, startup.ms, startup.rss_mb);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
