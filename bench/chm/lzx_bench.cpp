// Speed and ratio of the LZX compressor on a help page, a manual of several MB and random bytes.
// Arguments, if any, are more files to measure. The last line is machine-readable.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "chm/lzx.h"

namespace {

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every HTML file under `root`, in name order, joined.
std::string HtmlUnder(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path().extension() == ".html") files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    std::string all;
    for (const auto& f : files) all += ReadFile(f);
    return all;
}

struct Figures {
    double mb_per_s = 0;
    double ms = 0;
    double ratio = 0;
    size_t compressed = 0;
};

Figures Measure(const std::string& data) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    size_t compressed = 0;
    // Small inputs are repeated so the clock sees them; the median resists a busy machine.
    const int runs = data.size() < 100000 ? 51 : 5;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        const chm::LzxSection s = chm::CompressLzx(data);
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
    std::mt19937 gen(1);
    std::string random(4 << 20, '\0');
    for (char& c : random) c = static_cast<char>(gen());
    inputs.push_back({"random bytes", random});
    for (int i = 1; i < argc; ++i) inputs.push_back({argv[i], ReadFile(argv[i])});

    std::printf("%-28s %12s %12s %8s %10s %9s\n", "input", "bytes", "compressed", "ratio", "ms", "MB/s");
    std::string last = "lzx";
    for (const auto& [name, data] : inputs) {
        const Figures f = Measure(data);
        std::printf("%-28s %12zu %12zu %7.1f%% %10.2f %9.1f\n", name.c_str(), data.size(), f.compressed,
                    100 * f.ratio, f.ms, f.mb_per_s);
        char item[64];
        std::snprintf(item, sizeof item, " %.3fms/%.4f", f.ms, f.ratio);
        last.append(item);
    }
    std::printf("%s\n", last.c_str());
    return 0;
}
