// Size and speed per core of our LZX compressor at each level beside wimlib's at levels 20, 50
// and 100, on the same 64 KB reset intervals. Arguments, if any, are more files to measure.
// The last line is machine-readable.
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/chm/wimlib_lzx.h"
#include "chm/lzx.h"
#include "chm/lzx_interval.h"
#include "chm/lzx_tunables.h"
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

// Reference pages as a documentation generator writes them: markup, identifiers, prose.
std::string DoxygenLike(size_t n) {
    static const char* const kParts[] = {
        "<tr class=\"memitem:", "\"><td class=\"memItemLeft\" align=\"right\" valign=\"top\">", "int&#160;</td>",
        "<td class=\"memItemRight\" valign=\"bottom\"><a class=\"el\" href=\"", "class_", "struct_", ".html#a",
        "\">", "</a> (", "const char *", "size_t", "void *", ")</td></tr>\n", "<div class=\"memdoc\">\n<p>",
        "Returns the ", "number of ", "bytes written ", "to the stream", " or -1 on error. ", "</p>\n</div>\n"};
    std::mt19937 gen(42);
    std::string s;
    while (s.size() < n) {
        s += kParts[gen() % std::size(kParts)];
        if (gen() % 3 == 0) s += "tess_" + std::to_string(gen() % 5000) + "_" + std::to_string(gen() % 97);
    }
    s.resize(n);
    return s;
}

// This thread's CPU time: other work on a shared machine does not count against the encoder.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}

// The median CPU time of a few runs (a busy machine still skews single ones through the cache),
// with the size they gave.
struct Figures {
    size_t bytes = 0;
    double seconds = 0;
};
Figures Time(const std::function<size_t()>& run, int runs) {
    std::vector<double> t;
    size_t bytes = 0;
    for (int i = 0; i < runs; ++i) {
        const double t0 = CpuSeconds();
        bytes = run();
        t.push_back(CpuSeconds() - t0);
    }
    std::sort(t.begin(), t.end());
    return {bytes, t[t.size() / 2]};
}

// Our coder timed as wimlib's is, on this thread interval by interval, without the section
// stream's worker thread and copies around it; the intervals and their padding are the
// stream's, so the size is CompressLzx's to the byte.
size_t OursSize(const std::string& data, int level) {
    chm::IntervalCoder coder(level);
    const uint64_t stream = chm::FrameCount(data.size()) * chm::kLzxFrameBytes;
    std::string chunk;
    size_t total = 0;
    for (uint64_t start = 0; start < stream; start += chm::kLzxIntervalBytes) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(chm::kLzxIntervalBytes, stream - start));
        const size_t real = start < data.size() ? std::min<size_t>(size, data.size() - start) : 0;
        chunk.assign(data, std::min<size_t>(start, data.size()), real);
        chunk.resize(size, '\0');
        total += coder.Code(chunk, real).bytes.size();
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::pair<std::string, std::string>> inputs;
    const std::string manual = HtmlUnder("/usr/share/doc/libxslt1-dev/html");
    if (!manual.empty()) inputs.push_back({"libxslt manual", manual});
    const std::string docs = HtmlUnder("/usr/share/doc/python-requests-doc/html");
    if (!docs.empty()) inputs.push_back({"python-requests docs", docs});
    inputs.push_back({"generated reference", DoxygenLike(6 << 20)});
    inputs.push_back({"random bytes", RandomBytes(1 << 20, 1)});
    for (int i = 1; i < argc; ++i) inputs.push_back({argv[i], ReadFile(argv[i])});

    // LZX_BENCH_LEVEL=n measures only our level n beside wimlib's level 20 (for profiling one level).
    const char* only = std::getenv("LZX_BENCH_LEVEL");
    const int only_level = only ? std::atoi(only) : 0;
    // One thread each, timed by its CPU time, so MB/s is per core; ratios are set against wimlib in this same run.
    std::printf("%-22s %-10s %11s %11s %9s %9s %9s\n", "input", "encoder", "bytes", "compressed", "CPU MB/s", "vs w20",
                "vs w50");
    std::string last = "lzx";
    for (const auto& [name, data] : inputs) {
        const int runs = 3;
        std::vector<std::pair<std::string, Figures>> rows;
        for (unsigned w : {20u, 50u, 100u})
            if (only_level == 0 || w == 20)
                rows.push_back({"wimlib " + std::to_string(w), Time([&] { return bench::WimlibLzxSize(data, w); }, runs)});
        for (int l = chm::lzx_tunables::kMinLevel; l <= chm::lzx_tunables::kMaxLevel; ++l)
            if (only_level == 0 || l == only_level)
                rows.push_back({"ours " + std::to_string(l), Time([&] { return OursSize(data, l); }, runs)});
        const double w20 = double(rows[0].second.bytes), w50 = only_level ? w20 : double(rows[1].second.bytes);
        for (const auto& [enc, f] : rows) {
            std::printf("%-22s %-10s %11zu %11zu %9.1f %8.2f%% %8.2f%%\n", name.c_str(), enc.c_str(), data.size(),
                        f.bytes, data.size() / f.seconds / 1e6, 100 * (f.bytes / w20 - 1), 100 * (f.bytes / w50 - 1));
            char item[96];
            std::snprintf(item, sizeof item, " %c%s/%zu/%.1f", enc[0], enc.c_str() + enc.find(' ') + 1, f.bytes,
                          data.size() / f.seconds / 1e6);
            last.append(item);
        }
    }
    std::printf("%s\n", last.c_str());
    return 0;
}
