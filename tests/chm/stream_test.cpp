// Whole compiled files written as a stream: the same bytes as ever, whatever the thread count
// and however the files come in.
#include <gtest/gtest.h>

#include <sstream>

#include "../hhc/temp_tree.h"
#include "chm/writer.h"
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
    {"one page", OnePage, false, 8891, 0x8b39678eb07e110full},
    {"sizes around the frame and reset edges", EdgeSizes, false, 435593, 0xfbb8ac2d5e6209e1ull},
    {"many pages with contents, keywords and search", ManyPages, true, 427707, 0x83d6d1decf762e49ull},
};

// Bytes written before the writer streamed, pinned so that streaming changes none of them.
TEST(Stream, WritesTheBytesItAlwaysWrote) {
    for (const auto& p : kPinned) {
        auto files = p.files();
        auto bytes = chm::BuildChm(OptionsFor(p, files), files);
        ASSERT_TRUE(bytes) << bytes.error().message;
        EXPECT_EQ(bytes->size(), p.size) << p.label;
        EXPECT_EQ(Fnv1a(*bytes), p.hash) << p.label;
    }
}

}  // namespace
