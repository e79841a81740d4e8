// How long building the full-text index takes, HTML to text included, for English and
// Japanese projects: the median of several runs, and the index's size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "chm/fulltext_index.h"

namespace {

using Clock = std::chrono::steady_clock;

// A page of `size` bytes drawn from `words` (code page bytes).
std::string Page(const std::vector<std::string>& words, size_t size, unsigned seed) {
    std::string html = "<html><head><title>Page</title></head><body>\n<p>";
    while (html.size() < size) {
        seed = seed * 1103515245u + 12345u;
        html += words[(seed >> 16) % words.size()];
        html += (seed >> 8) % 11 ? " " : "</p>\n<p>";
    }
    return html + "</p></body></html>\n";
}

std::vector<std::string> EnglishWords() {
    std::vector<std::string> words = {"help", "page", "topic", "window", "contents", "index", "<b>search</b>"};
    for (int i = 0; i < 4000; ++i) words.push_back("term" + std::to_string(i));  // a wide vocabulary
    return words;
}

std::vector<std::string> JapaneseWords() {
    std::vector<std::string> words;
    for (int lead = 0x88; lead <= 0x9F; ++lead)  // kanji, two or three to a word, as running text has
        for (int trail = 0x40; trail <= 0xFC; trail += 7)
            if (trail != 0x7F)
                words.push_back(std::string{char(lead), char(trail), char(0x82), char(0xCC + lead % 8)});
    return words;
}

struct Project {
    const char* label;
    uint32_t language;
    std::vector<std::string> words;
    size_t files;
    size_t page_size;
};

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const Project projects[] = {{"English, 300 x 4 KB", 0x409, EnglishWords(), 300, 4000},
                                {"English, 3000 x 4 KB", 0x409, EnglishWords(), 3000, 4000},
                                {"Japanese, 300 x 4 KB", 0x411, JapaneseWords(), 300, 4000},
                                {"Japanese, 1000 x 10 KB", 0x411, JapaneseWords(), 1000, 10000}};
    std::printf("%-24s %10s %10s %12s\n", "project", "input KB", "index KB", "median ms");
    for (const auto& p : projects) {
        std::vector<chm::InputFile> files;
        size_t input = 0;
        for (size_t i = 0; i < p.files; ++i) {
            files.push_back({"/p" + std::to_string(i) + ".htm", Page(p.words, p.page_size, static_cast<unsigned>(i)),
                             "Page " + std::to_string(i)});
            input += files.back().bytes.size();
        }
        uint32_t code_page = chm::CodePageOf(p.language);
        std::vector<double> ms;
        size_t size = 0;
        for (int r = 0; r < runs; ++r) {
            auto start = Clock::now();
            auto index = chm::BuildFullTextIndex(p.language, code_page, chm::FullTextTopicsOf(files, code_page));
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (!index) {
                std::fprintf(stderr, "%s\n", index.error().message.c_str());
                return 1;
            }
            size = index->fifti_main.size() + index->obj_inst.size();
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-24s %10zu %10zu %12.2f\n", p.label, input / 1024, size / 1024, ms[ms.size() / 2]);
    }
    return 0;
}
