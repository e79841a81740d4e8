// Speed and ratio of the LZX compressor on a help page, a manual of several MB and random bytes.
// Arguments, if any, are more files to measure. The last line is machine-readable.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "chm/lzx.h"
#include "tests/chm/sample_inputs.h"

namespace {

using chm_test::RandomBytes;
using chm_test::ReadFile;

// Every HTML file under `root`, in name order, joined.
std::string HtmlUnder(const std::filesystem::path& root) {
    std::string all;
    for (const auto& f : chm_test::HtmlFilesUnder(root)) all += ReadFile(f);
    return all;
}

struct Figures {
    double mb_per_s = 0;
    double ms = 0;
    double ratio = 0;
    size_t compressed = 0;
};

Figures Measure(const std::string& data, unsigned threads) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    size_t compressed = 0;
    // Small inputs are repeated so the clock sees them; the median resists a busy machine.
    const int runs = data.size() < 100000 ? 51 : 5;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        const chm::LzxSection s = chm::CompressLzx(data, threads);
        times.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
        compressed = s.bytes.size();
    }
    std::sort(times.begin(), times.end());
    const double t = times[times.size() / 2];
    return {data.size() / t / 1e6, t * 1e3, data.empty() ? 0 : double(compressed) / data.size(), compressed};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::pair<std::string, std::string>> inputs;
    std::string page = HtmlUnder(std::string(TESS_SOURCE_DIR) + "/resources/help");
    page.resize(std::min<size_t>(page.size(), 20000));
    inputs.push_back({"help page (20 KB)", page});
    const std::string manual = HtmlUnder("/usr/share/doc/libxslt1-dev/html");
    if (!manual.empty()) inputs.push_back({"libxslt manual", manual});
    inputs.push_back({"random bytes", RandomBytes(4 << 20, 1)});
    for (int i = 1; i < argc; ++i) inputs.push_back({argv[i], ReadFile(argv[i])});

    // One thread, then one per core (the compiler's default): the same bytes, less time.
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::printf("%-28s %12s %12s %8s %10s %9s %12s %8s\n", "input", "bytes", "compressed", "ratio", "ms", "MB/s",
                ("ms " + std::to_string(cores) + " thr").c_str(), "speed-up");
    std::string last = "lzx";
    for (const auto& [name, data] : inputs) {
        const Figures f = Measure(data, 1);
        const Figures all = Measure(data, cores);
        std::printf("%-28s %12zu %12zu %7.1f%% %10.2f %9.1f %12.2f %7.2fx\n", name.c_str(), data.size(), f.compressed,
                    100 * f.ratio, f.ms, f.mb_per_s, all.ms, all.ms > 0 ? f.ms / all.ms : 0);
        char item[64];
        std::snprintf(item, sizeof item, " %.3fms/%.4f", f.ms, f.ratio);
        last.append(item);
    }
    std::printf("%s\n", last.c_str());
    return 0;
}
