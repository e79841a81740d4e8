// Whole compiled files written as a stream: the same bytes as ever, whatever the thread count
// and however the files come in.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "../hhc/temp_tree.h"
#include "chm/writer.h"
#include "chm_readers.h"
#include "sample_inputs.h"

namespace {

uint64_t Fnv1a(const std::string& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

std::string Page(size_t i, size_t size) {
    std::string html = "<html><head><title>Page " + std::to_string(i) + "</title></head><body>";
    for (size_t n = i; html.size() + 16 < size; n = n * 7 + 3) html += "<p>w" + std::to_string(n % 97) + "</p>";
    return html + "</body></html>";
}

struct Pinned {
    const char* label;
    std::vector<chm::InputFile> (*files)();
    bool extras;  // contents, keywords and a search index too
    size_t size;
    uint64_t hash;
};

std::vector<chm::InputFile> EdgeSizes() {
    std::vector<chm::InputFile> files{{"/index.htm", Page(0, 900), "Start"}};
    for (size_t size : {0, 1, 32767, 32768, 32769, 65535, 65536, 65537, 131072})
        files.push_back({"/s" + std::to_string(size) + ".bin", hhc_test::NoiseBytes(size, static_cast<unsigned>(size))});
    return files;
}

std::vector<chm::InputFile> ManyPages() {
    std::vector<chm::InputFile> files;
    for (size_t i = 0; i < 700; ++i)
        files.push_back({"/pages/p" + std::to_string(i) + ".htm", Page(i, 300 + i * 37 % 5000), "Page " + std::to_string(i)});
    files.push_back({"/noise.png", chm_test::RandomBytes(200000, 3)});
    return files;
}

std::vector<chm::InputFile> OnePage() { return {{"/a.htm", Page(1, 100), "A"}}; }

chm::Options OptionsFor(const Pinned& p, const std::vector<chm::InputFile>& files) {
    chm::Options options;
    options.title = "Pinned";
    options.default_topic = files.front().name;
    options.timestamp = 1700000000;
    if (!p.extras) return options;
    for (const auto& f : files)
        if (f.title) options.contents.push_back({*f.title, f.name, {}});
    options.keywords.push_back({{"pages"}, {files.front().name}, ""});
    options.full_text = chm::FullTextIndex{std::string(3000, 'f'), std::string(500, 'o')};
    return options;
}

const Pinned kPinned[] = {
    {"one page", OnePage, false, 8891, 0xe7707d351a628951ull},
    {"sizes around the frame and reset edges", EdgeSizes, false, 435595, 0xb7cb91658ee956d5ull},
    {"many pages with contents, keywords and search", ManyPages, true, 436575, 0xa1c523d697b4947full},
};

// The same files, each read only when its turn comes.
std::vector<chm::InputFile> ReadLater(std::vector<chm::InputFile> files) {
    for (auto& f : files) f.read = [bytes = std::exchange(f.bytes, {})]() -> tess::Result<std::string> { return bytes; };
    return files;
}

// The same files, each opened as a stream when its turn comes.
std::vector<chm::InputFile> OpenLater(std::vector<chm::InputFile> files) {
    for (auto& f : files)
        f.open = [bytes = std::exchange(f.bytes, {})]() -> tess::Result<std::shared_ptr<std::istream>> {
            return std::shared_ptr<std::istream>(std::make_shared<std::istringstream>(bytes));
        };
    return files;
}

// Bytes pinned (as the default level writes them), so that streaming changes none of them,
// whether the files are held or read, on one thread or several.
TEST(Stream, WritesTheBytesItAlwaysWrote) {
    for (const auto& p : kPinned) {
        auto files = p.files();
        auto options = OptionsFor(p, files);
        auto bytes = chm::BuildChm(options, files);
        ASSERT_TRUE(bytes) << bytes.error().message;
        EXPECT_EQ(bytes->size(), p.size) << p.label;
        EXPECT_EQ(Fnv1a(*bytes), p.hash) << p.label;
        for (const auto& later : {ReadLater(files), OpenLater(files)})
            for (unsigned threads : {1u, 2u, 3u}) {
                options.threads = threads;
                std::stringstream out, spill;
                auto ok = chm::WriteChm(options, later, out, spill);
                ASSERT_TRUE(ok) << ok.error().message;
                EXPECT_TRUE(out.str() == *bytes) << p.label << ", " << threads << " threads";
            }
        if (!p.extras) continue;
        // A search index read from its work file is stored as if it were held.
        auto from_file = options;
        auto& index = *from_file.full_text;
        index.fifti_main_file = std::make_shared<std::stringstream>(std::exchange(index.fifti_main, {}));
        auto streamed = chm::BuildChm(from_file, files);
        ASSERT_TRUE(streamed) << streamed.error().message;
        EXPECT_TRUE(*streamed == *bytes) << p.label;
    }
}

TEST(Stream, ReadersFindEveryFileOfAStreamedBuild) {
    hhc_test::TempTree tmp;
    std::vector<chm::InputFile> files;
    chm_test::FileMap expected;
    for (size_t i = 0; i < 3000; ++i) {
        std::string bytes = i % 17 == 0 ? "" : i % 500 == 7 ? chm_test::RandomBytes(70000 + i, static_cast<uint32_t>(i))
                                                             : Page(i, 100 + i * 13 % 3000);
        if (i == 1234) bytes = chm_test::RandomBytes(65536, 9);
        std::string name = "/d" + std::to_string(i % 7) + "/f" + std::to_string(i) + (i % 3 ? ".htm" : ".bin");
        expected[name] = bytes;
        files.push_back({name, {}, i % 3 ? std::optional<std::string>("T" + std::to_string(i)) : std::nullopt,
                         [bytes]() -> tess::Result<std::string> { return bytes; }});
    }
    chm::Options options;
    options.default_topic = files[1].name;
    options.threads = 2;
    const std::string path = tmp.root() + "/streamed.chm";
    {
        std::ofstream out(path, std::ios::binary);
        std::fstream spill(tmp.root() + "/spill", std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
        auto ok = chm::WriteChm(options, files, out, spill);
        ASSERT_TRUE(ok) << ok.error().message;
    }
    for (const auto& diff : chm_test::CompareWithReaders(path, expected, tmp.root())) ADD_FAILURE() << diff;
}

// What the caller hears while the files stream: progress in order up to the whole, the search
// index asked for after the last read, and an end on the first error or stop.
TEST(Stream, TellsProgressAndEndsOnErrorsAndStops) {
    std::vector<chm::InputFile> files;
    std::vector<std::string> events;
    uint64_t total = 0;
    for (size_t i = 0; i < 40; ++i) {
        std::string bytes = chm_test::RandomBytes(300000, static_cast<uint32_t>(i));
        total += bytes.size();
        files.push_back({"/f" + std::to_string(i), {}, std::nullopt, [&events, bytes]() -> tess::Result<std::string> {
                             events.push_back("read");
                             return bytes;
                         }});
    }
    chm::Options options;
    options.threads = 2;
    std::vector<uint64_t> progress;
    options.progress = [&](uint64_t done) { progress.push_back(done); };
    options.full_text_later = [&]() -> tess::Result<chm::FullTextIndex> {
        events.push_back("index");
        return chm::FullTextIndex{"main", "inst"};
    };
    std::stringstream out, spill;
    auto ok = chm::WriteChm(options, files, out, spill);
    ASSERT_TRUE(ok) << ok.error().message;
    EXPECT_EQ(events.size(), files.size() + 1);
    EXPECT_EQ(events.back(), "index");
    ASSERT_GT(progress.size(), 1u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), total);

    int asked = 0;
    using Opened = tess::Result<std::shared_ptr<std::istream>>;
    struct End {
        std::function<bool()> stopped;
        std::function<void(chm::InputFile&)> spoil;  // the 26th file
        std::string message;
        size_t most_events;  // reads and the index's call, after a blank
    };
    for (const End& end :
         {End{[&] { return ++asked > 30; }, {}, "The compilation was stopped.", 20},
          End{[&] { return events.back() == "index"; }, {}, "The compilation was stopped.", 42},
          End{{}, [](auto& f) { f.read = []() -> tess::Result<std::string> { return tess::Error{"f25 is gone."}; }; },
              "f25 is gone.", 26},
          End{{}, [](auto& f) { f.open = []() -> Opened { return tess::Error{"f25 cannot be opened."}; }; },
              "f25 cannot be opened.", 26},
          End{{}, [](auto& f) { f.open = []() -> Opened { return std::shared_ptr<std::istream>(std::make_shared<std::ifstream>()); }; },
              "The work file of /f25 cannot be read.", 26}}) {
        options.stopped = end.stopped;
        if (end.spoil) end.spoil(files[25]);
        events = {""};
        std::stringstream out2, spill2;
        auto failed = chm::WriteChm(options, files, out2, spill2);
        ASSERT_FALSE(failed);
        EXPECT_EQ(failed.error().message, end.message);
        EXPECT_LE(events.size(), end.most_events) << end.message;
        EXPECT_EQ(out2.str(), "");
    }
}

}  // namespace
