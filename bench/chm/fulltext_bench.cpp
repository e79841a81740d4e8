// How long building the full-text index takes, HTML to text included, for English and
// Japanese projects: the median of several runs, and the index's size.
// "fulltext_bench big [MB]" builds one large English project (a Zipf-like vocabulary of 50 000
// words over 20 000 topics at 200 MB) from all its texts at once, "fulltext_bench stream [MB]
// [threads]" the same a batch of 64 pages at a time, turned into text and indexed on that many
// threads (1 unless told); each prints its speed and the process's peak memory, so run one per
// process.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
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

// Words of 2 to 11 letters, all distinct, drawn with weights 1/rank as running text has.
class ZipfWords {
public:
    explicit ZipfWords(size_t count) {
        uint64_t state = 7;
        double total = 0;
        for (size_t i = 0; i < count; ++i) {
            std::string w;
            for (size_t n = i; w.empty() || n; n /= 26) w.push_back(static_cast<char>('a' + n % 26));
            size_t extra = Next(state) % 8;
            for (size_t k = 0; k < extra; ++k) w.push_back(static_cast<char>('a' + Next(state) % 26));
            words_.push_back(std::move(w));
            total += 1.0 / static_cast<double>(i + 1);
            cumulative_.push_back(total);
        }
        for (double& c : cumulative_) c /= total;
    }
    const std::string& Draw(uint64_t& state) const {
        double u = static_cast<double>(Next(state) >> 11) / 9007199254740992.0;
        size_t i = static_cast<size_t>(std::lower_bound(cumulative_.begin(), cumulative_.end(), u) - cumulative_.begin());
        return words_[std::min(i, words_.size() - 1)];
    }
    static uint64_t Next(uint64_t& state) {  // splitmix64
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::vector<std::string> words_;
    std::vector<double> cumulative_;
};

// Topic `t`'s page, the same on every call.
std::string BigPage(const ZipfWords& words, size_t size, uint64_t t) {
    uint64_t state = t * 1000003u + 1;
    std::string html = "<html><head><title>Topic " + std::to_string(t) + " " + words.Draw(state) +
                       "</title></head><body>\n<p>";
    while (html.size() < size) {
        uint64_t r = ZipfWords::Next(state);
        if (r % 97 == 0) html += "<b>" + words.Draw(state) + "</b> ";
        html += words.Draw(state);
        html += r % 13 == 0 ? ".</p>\n<p>" : r % 7 == 0 ? ", " : " ";
    }
    return html + "</p></body></html>\n";
}

// The process's processor time: a shared machine's load does not count.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Each of the process's other threads' processor seconds, from /proc: on a loaded machine the
// busiest thread tells how long the work would take with a core for each.
std::vector<double> OtherThreadsSeconds() {
    std::vector<double> seconds;
    const std::string self = std::to_string(getpid());
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        if (task.path().filename() == self) continue;
        std::ifstream stat(task.path() / "stat");
        std::string line;
        std::getline(stat, line);
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        unsigned long long user = 0, system = 0;
        for (int i = 3; i <= 15 && fields >> field; ++i)
            if (i == 14) user = std::stoull(field);
            else if (i == 15) system = std::stoull(field);
        seconds.push_back(static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK)));
    }
    return seconds;
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double PeakMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

uint64_t Fnv(const std::string& bytes) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

double WallSeconds() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

int Big(size_t megabytes, bool stream, unsigned threads) {
    const size_t topics = 20000, page = megabytes * 1000000 / topics;
    const ZipfWords words(50000);
    const uint32_t code_page = 1252;
    double before = PeakMb();
    std::vector<chm::FullTextTopic> all;
    chm::FullTextIndexBuilder builder(0x409, code_page, threads);
    size_t input = 0;
    double texts_s = 0, added_s = 0, wall_s = 0, own_s = 0;
    std::vector<std::string> batch;
    for (size_t t = 0; stream && t < topics; t += batch.size()) {
        batch.clear();
        for (size_t k = t; k < std::min(topics, t + 64); ++k) batch.push_back(BigPage(words, page, k));
        for (const auto& html : batch) input += html.size();
        double cpu_start = CpuSeconds(), wall_start = WallSeconds(), own_start = ThreadCpuSeconds();
        auto added = builder.AddMany(batch.size(), [&](size_t k) -> tess::Result<chm::FullTextTopic> {
            return chm::FullTextTopic{static_cast<uint32_t>(t + k), "Topic " + std::to_string(t + k),
                                      chm::VisibleText(batch[k], code_page)};
        });
        added_s += CpuSeconds() - cpu_start;
        wall_s += WallSeconds() - wall_start;
        own_s += ThreadCpuSeconds() - own_start;
        if (!added) {
            std::fprintf(stderr, "%s\n", added.error().message.c_str());
            return 1;
        }
    }
    for (size_t t = 0; !stream && t < topics; ++t) {
        std::string html = BigPage(words, page, t);
        input += html.size();
        double text_start = CpuSeconds();
        chm::FullTextTopic topic{static_cast<uint32_t>(t), "Topic " + std::to_string(t), chm::VisibleText(html, code_page)};
        texts_s += CpuSeconds() - text_start;
        all.push_back(std::move(topic));
    }
    batch = {};
    double texts = CpuSeconds(), texts_wall = WallSeconds(), texts_own = ThreadCpuSeconds();
    double texts_peak = PeakMb();
    size_t held = builder.bytes_held();
    auto index = stream ? builder.Finish() : chm::BuildFullTextIndex(0x409, code_page, all);
    double end = CpuSeconds(), finish_s = WallSeconds() - texts_wall;
    own_s += ThreadCpuSeconds() - texts_own;
    const std::vector<double> others = OtherThreadsSeconds();
    wall_s += finish_s;
    if (!index) {
        std::fprintf(stderr, "%s\n", index.error().message.c_str());
        return 1;
    }
    // Processor seconds; the pages' making is left out, the texts' making counted apart.
    double index_s = added_s + (end - texts);
    std::printf("%s: %zu topics, %.1f MB of HTML\n",
                stream ? "64 pages at a time into FullTextIndexBuilder" : "all texts, then BuildFullTextIndex", topics,
                input / 1e6);
    if (stream)  // the text is made inside the builder's batches: counted with the index
        std::printf("  %u threads: HTML to text and index %.2f s wall (%.1f MB/s of HTML; Finish %.2f s), %.2f s processor; index %.1f MB, fnv %016llx\n",
                    threads, wall_s, input / 1e6 / wall_s, finish_s, index_s, index->fifti_main.size() / 1e6,
                    static_cast<unsigned long long>(Fnv(index->fifti_main)));
    else
        std::printf("  HTML to text %.2f s (%.1f MB/s); index %.2f s (%.1f MB/s of HTML); index %.1f MB, fnv %016llx\n",
                    texts_s, input / 1e6 / texts_s, index_s, input / 1e6 / index_s, index->fifti_main.size() / 1e6,
                    static_cast<unsigned long long>(Fnv(index->fifti_main)));
    if (stream) {
        std::printf("  processor seconds by thread: %.2f (the caller's, in the builder)", own_s);
        for (double o : others) std::printf(", %.2f", o);
        std::printf("\n");
    }
    auto u32 = [&](size_t at) {
        uint32_t v = 0;
        std::memcpy(&v, index->fifti_main.data() + at, 4);
        return v;
    };
    std::printf("  %u words indexed, %u distinct\n", u32(66), u32(70));
    if (stream) std::printf("  the builder held %.1f MB: %.2f bytes a word indexed\n", held / 1e6, double(held) / u32(66));
    std::printf(stream ? "  peak RSS %.0f MB (%.0f MB at the start, %.0f MB after the last page)\n"
                       : "  peak RSS %.0f MB (%.0f MB at the start, %.0f MB with the texts held)\n",
                PeakMb(), before,
                texts_peak);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "big") == 0 || std::strcmp(argv[1], "stream") == 0))
        return Big(argc > 2 ? static_cast<size_t>(std::max(1, std::atoi(argv[2]))) : 200, argv[1][0] == 's',
                   argc > 3 ? static_cast<unsigned>(std::max(1, std::atoi(argv[3]))) : 1);
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
