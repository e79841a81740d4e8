// How long writing a whole compiled file takes, compression included: the median of
// several runs for a one-page project and for projects of many files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/chm/sample_page.h"
#include "chm/writer.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Page(size_t size, unsigned seed) { return bench::SamplePage(size, seed); }

struct Project {
    const char* label;
    size_t files;
    size_t page_size;
};

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const Project projects[] = {{"one page of 20 KB", 1, 20000},
                                {"300 pages of 4 KB", 300, 4000},
                                {"3000 pages of 2 KB", 3000, 2000},
                                {"20000 pages of 500 B", 20000, 500}};
    std::printf("%-24s %10s %12s %12s\n", "project", "input KB", "output KB", "median ms");
    for (const auto& p : projects) {
        std::vector<chm::InputFile> files;
        size_t input = 0;
        for (size_t i = 0; i < p.files; ++i) {
            files.push_back({"/pages/p" + std::to_string(i) + ".htm", Page(p.page_size, static_cast<unsigned>(i)),
                             "Page " + std::to_string(i)});
            input += files.back().bytes.size();
        }
        files.push_back({"/toc.hhc", "<html><body><ul></ul></body></html>"});
        chm::Options options;
        options.title = "Bench";
        options.default_topic = files.front().name;
        options.contents_file = "toc.hhc";
        std::vector<double> ms;
        size_t output = 0;
        for (int r = 0; r < runs; ++r) {
            auto start = Clock::now();
            auto bytes = chm::BuildChm(options, files);
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (!bytes) {
                std::fprintf(stderr, "%s\n", bytes.error().message.c_str());
                return 1;
            }
            output = bytes->size();
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-24s %10zu %12zu %12.2f\n", p.label, input / 1024, output / 1024, ms[ms.size() / 2]);
    }
    return 0;
}
