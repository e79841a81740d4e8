#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "chm/lzx.h"
#include "chm/lzx_tunables.h"
#include "tests/chm/lzx_readers.h"
#include "tests/chm/sample_inputs.h"

namespace {

using chm_test::HtmlFilesUnder;
using chm_test::RandomBytes;
using chm_test::ReadFile;

constexpr size_t kFrame = 32768;

struct Case {
    std::string name;
    std::string data;
};

// Text of words drawn at random: compressible, with matches at every distance.
std::string Words(size_t n, uint32_t seed) {
    static const char* const kWords[] = {"<p>", "</p>\n", "the ", "help ", "<a href=\"", "index.html\">",
                                         "file ", "compiler ", "window ", "</a> ", "of ", "page "};
    std::mt19937 gen(seed);
    std::string s;
    while (s.size() < n) s += kWords[gen() % std::size(kWords)];
    s.resize(n);
    return s;
}

// Double-byte Japanese text as code page 932 stores it, between ASCII markup.
std::string Cp932Text(size_t n) {
    std::mt19937 gen(932);
    std::string s;
    while (s.size() < n) {
        if (gen() % 8 == 0) s += "<br>\r\n";
        const int lead = gen() % 2 ? 0x82 + static_cast<int>(gen() % 2) : 0x88 + static_cast<int>(gen() % 0x17);
        s += static_cast<char>(lead);
        s += static_cast<char>(0x40 + gen() % 0xBC);
    }
    s.resize(n);
    return s;
}

// The HTML manual of libxslt, read twice in two orders: a few MB of real pages.
std::string RealHtml() {
    std::vector<std::filesystem::path> files = HtmlFilesUnder("/usr/share/doc/libxslt1-dev/html");
    std::string all;
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& f : files) all += ReadFile(f);
        std::reverse(files.begin(), files.end());
    }
    return all;
}

// Copies of one random block, each with a byte changed every `every` bytes: a match, a literal,
// then the same distance again, which only the recent distances code cheaply.
std::string NearCopies(size_t n, size_t every) {
    const std::string block = RandomBytes(3000, 21);
    std::string s;
    for (uint32_t copy = 0; s.size() < n; ++copy) {
        std::string c = block;
        for (size_t i = copy % every; i < c.size(); i += every) c[i] = static_cast<char>(c[i] ^ (copy + 1));
        s += c;
    }
    s.resize(n);
    return s;
}

std::vector<Case> Cases() {
    std::vector<Case> cases = {{"empty", ""}, {"one byte", "x"}};
    for (size_t n : {kFrame - 1, kFrame, kFrame + 1, 2 * kFrame - 1, 2 * kFrame, 2 * kFrame + 1})
        cases.push_back({"words " + std::to_string(n), Words(n, static_cast<uint32_t>(n))});
    cases.push_back({"random", RandomBytes(5 * kFrame + 123, 7)});
    cases.push_back({"one byte repeated", std::string(4 * kFrame + 5, 'a')});
    // A 1000-byte pattern repeated: matches run into every frame and reset boundary.
    std::string pattern = RandomBytes(1000, 3), repeated;
    while (repeated.size() < 3 * 2 * kFrame + 77) repeated += pattern;
    cases.push_back({"repeated pattern", repeated});
    cases.push_back({"random then text", RandomBytes(40000, 9) + Words(60000, 9)});
    cases.push_back({"code page 932", Cp932Text(3 * kFrame)});
    // Copies from near and far, up to the whole window back, over and over.
    std::string copies = RandomBytes(300, 11);
    for (size_t d = 1; copies.size() < 3 * kFrame; d = d > copies.size() ? 1 : d + 1 + d / 64)
        copies += copies.substr(copies.size() - std::min(d, copies.size()), 24);
    cases.push_back({"repeats at many distances", copies});
    std::string records;
    std::mt19937 pick(16);  // as below, where these come out as aligned-offset blocks
    while (records.size() < 3 * kFrame) records += RandomBytes(16, pick() % 1000);
    cases.push_back({"records of 16 bytes", records});
    cases.push_back({"near copies", NearCopies(3 * kFrame + 9, 40)});
    // The interval's first bytes again at the largest distance the window codes, and one past.
    const std::string first = RandomBytes(65536 - 3, 13);
    cases.push_back({"copy from the farthest distance", first + first.substr(0, 3)});
    cases.push_back({"copy from too far", first + first.substr(1, 2) + first.substr(0, 8)});
    // A run reaching the true end mid-frame: no match may run on into the padding.
    cases.push_back({"run to the end", Words(kFrame + 500, 4) + std::string(700, 'z')});
    return cases;
}

void ExpectEveryReaderDecodes(const std::string& name, const std::string& data,
                               int level = chm::lzx_tunables::kDefaultLevel) {
    SCOPED_TRACE(name + " at level " + std::to_string(level));
    const chm::LzxSection s = chm::CompressLzx(data, 0, {}, level);
    EXPECT_EQ(s.uncompressed_size, data.size());
    const size_t frames = s.frame_offsets.size();
    ASSERT_EQ(frames, (data.size() + kFrame + 1) / kFrame);
    ASSERT_EQ(s.frame_offsets[0], 0u);
    for (size_t i = 1; i < frames; ++i) {
        EXPECT_LT(s.frame_offsets[i - 1], s.frame_offsets[i]);
        EXPECT_EQ(s.frame_offsets[i] % 2, 0u) << "frame " << i;
    }
    std::string padded = data;
    padded.resize(frames * kFrame, '\0');

    // As libmspack's CHM reader asks: the length rounded up to the reset interval, then the bytes.
    const uint64_t rounded = (data.size() + 2 * kFrame - 1) / (2 * kFrame) * (2 * kFrame);
    Decoded whole = DecodeWithLibmspack(s, 0, rounded, data.size());
    ASSERT_EQ(whole.error, "") << "libmspack";
    EXPECT_TRUE(whole.bytes == data) << "libmspack differs";
    // As it asks when only SpanInfo gives the length.
    Decoded span = DecodeWithLibmspack(s, 0, data.size(), data.size());
    ASSERT_EQ(span.error, "") << "libmspack by SpanInfo";
    EXPECT_TRUE(span.bytes == data) << "libmspack by SpanInfo differs";
    Decoded all = DecodeWithChmlib(s, 0, frames);
    ASSERT_EQ(all.error, "") << "chmlib";
    EXPECT_TRUE(all.bytes == padded) << "chmlib differs";

    // Each reset interval alone, from its entry in the reset table.
    for (size_t first = 2; first < frames; first += 2) {
        const size_t count = std::min<size_t>(2, frames - first);
        const std::string want = padded.substr(first * kFrame, count * kFrame);
        // libmspack decodes one frame past a request that ends on a frame boundary.
        const uint64_t wanted = std::min(want.size() - 1, padded.size() - first * kFrame - 1);
        Decoded m = DecodeWithLibmspack(s, first, rounded - first * kFrame, wanted);
        ASSERT_EQ(m.error, "") << "libmspack from frame " << first;
        EXPECT_TRUE(m.bytes == want.substr(0, wanted)) << "libmspack from frame " << first;
        Decoded c = DecodeWithChmlib(s, first, count);
        ASSERT_EQ(c.error, "") << "chmlib from frame " << first;
        EXPECT_TRUE(c.bytes == want) << "chmlib from frame " << first;
    }
}

TEST(Lzx, EveryReaderDecodesEveryKindAndSizeAtEveryLevel) {
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level)
        for (const Case& c : Cases()) ExpectEveryReaderDecodes(c.name, c.data, level);
}

TEST(Lzx, RealManualDecodesInEveryReader) {
    const std::string html = RealHtml();
    ASSERT_GT(html.size(), 1000000u) << "libxslt's HTML manual is missing: install libxslt1-dev "
                                        "(scripts/lib/packages.sh lists it)";
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level)
        ExpectEveryReaderDecodes("libxslt manual", html, level);
}

// The type of the block that starts frame `frame` (each frame here starts a block).
int BlockType(const chm::LzxSection& s, size_t frame) {
    const size_t at = s.frame_offsets[frame];
    const unsigned word = static_cast<unsigned char>(s.bytes[at]) | static_cast<unsigned char>(s.bytes[at + 1]) << 8;
    return frame % 2 == 0 ? (word >> 12) & 7 : word >> 13;  // a reset point starts with the E8 bit
}

// Each kind of block reaches the readers above, and text really shrinks.
TEST(Lzx, EachKindOfBlockWhereItPays) {
    const std::string text = Words(3 * kFrame, 5);
    const chm::LzxSection words = chm::CompressLzx(text);
    // The levels trade time for size, never the other way round.
    EXPECT_LE(chm::CompressLzx(text, 0, {}, 5).bytes.size(), chm::CompressLzx(text, 0, {}, 4).bytes.size());
    EXPECT_LE(chm::CompressLzx(text, 0, {}, 4).bytes.size(), chm::CompressLzx(text, 0, {}, 3).bytes.size());
    EXPECT_LE(chm::CompressLzx(text, 0, {}, 3).bytes.size(), words.bytes.size());
    EXPECT_LE(words.bytes.size(), chm::CompressLzx(text, 0, {}, 1).bytes.size());
    EXPECT_EQ(BlockType(words, 0), 1);
    EXPECT_LT(words.bytes.size(), text.size() / 4);
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level)
        EXPECT_EQ(BlockType(chm::CompressLzx(RandomBytes(kFrame, 1), 0, {}, level), 0), 3) << level;
    // Records of 16 bytes: every new distance ends in the same three bits.
    std::string records;
    std::mt19937 pick(16);
    while (records.size() < 2 * kFrame) records += RandomBytes(16, pick() % 1000);
    EXPECT_EQ(BlockType(chm::CompressLzx(records), 0), 2);
    // A run is a few long matches at every level, the cheapest parse's whole-match skip included.
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level)
        EXPECT_LT(chm::CompressLzx(std::string(kFrame, 'a'), 0, {}, level).bytes.size(), 300u) << level;
}

// The minimum-cost parse is worth its time on text, where the lazy one takes a long match that
// spoils the next, or a far one where a recent distance would do.
TEST(Lzx, TheCheapestParseBeatsTheLazyOne) {
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"words", Words(4 * kFrame, 6)}, {"real html", RealHtml().substr(0, 8 * kFrame)}};
    for (const auto& [name, data] : inputs) {
        const double lazy = static_cast<double>(chm::CompressLzx(data, 0, {}, 3).bytes.size());
        const double cheapest = static_cast<double>(chm::CompressLzx(data, 0, {}, 4).bytes.size());
        EXPECT_LT(cheapest, lazy * 0.99) << name;
        EXPECT_LE(chm::CompressLzx(data, 0, {}, 5).bytes.size(), cheapest) << name;
    }
}

// Nor does the smallest level lose to the lazy one on any kind of input (raw frames stay raw;
// runs, far copies and aligned records are priced as well as found) by more than the trees it
// does not price, which on an output of a kilobyte come to a few bytes. Level 4, priced from a
// sample, may lose a few per cent where copies of copies leave many distances to choose from.
TEST(Lzx, TheCheapestParseIsNeverLargerOnAnyKind) {
    for (const Case& c : Cases()) {
        const size_t lazy = chm::CompressLzx(c.data, 0, {}, 3).bytes.size();
        EXPECT_LE(chm::CompressLzx(c.data, 0, {}, chm::lzx_tunables::kMaxLevel).bytes.size(), lazy + lazy / 100)
            << c.name;
        EXPECT_LE(chm::CompressLzx(c.data, 0, {}, 4).bytes.size(), lazy + lazy / 20) << c.name;
    }
}

// Whatever the thread count, more threads than intervals included, at every level.
TEST(Lzx, SameInputGivesSameBytes) {
    const std::string text = Words(200000, 1) + RandomBytes(50000, 2);
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        const chm::LzxSection a = chm::CompressLzx(text, 1, {}, level);
        for (unsigned threads : {0u, 1u, 2u, 3u, 64u}) {
            const chm::LzxSection b = chm::CompressLzx(text, threads, {}, level);
            EXPECT_TRUE(a.bytes == b.bytes) << "level " << level << ", " << threads << " threads";
            EXPECT_EQ(a.frame_offsets, b.frame_offsets) << "level " << level << ", " << threads << " threads";
        }
    }
}

// The match finder keeps its tables from one interval to the next on a thread: nothing left
// there by what came before, however alike or hostile, may change an interval's bytes.
TEST(Lzx, AnIntervalIsCodedTheSameWhateverCameBefore) {
    const std::string text = Words(2 * kFrame + 300, 12);
    const std::vector<std::pair<std::string, std::string>> before = {
        {"the same text", text.substr(0, 2 * kFrame)}, {"one byte repeated", std::string(2 * kFrame, 'p')},
        {"random", RandomBytes(2 * kFrame, 3)}, {"four intervals of words", Words(8 * kFrame, 12)}};
    for (int level = chm::lzx_tunables::kMinLevel; level <= chm::lzx_tunables::kMaxLevel; ++level) {
        const chm::LzxSection alone = chm::CompressLzx(text, 1, {}, level);
        const std::string first = alone.bytes.substr(0, alone.frame_offsets[2]);
        for (const auto& [name, prefix] : before) {
            const chm::LzxSection s = chm::CompressLzx(prefix + text, 1, {}, level);
            const size_t at = s.frame_offsets[prefix.size() / kFrame];
            EXPECT_TRUE(s.bytes.compare(at, first.size(), first) == 0) << name << " at level " << level;
        }
    }
}

// A level past either end is the nearest one; each level in range gives its own bytes.
TEST(Lzx, LevelsOutsideTheRangeAreTheNearest) {
    const std::string text = Words(3 * kFrame, 8);
    auto at = [&](int level) { return chm::CompressLzx(text, 1, {}, level).bytes; };
    EXPECT_TRUE(at(chm::lzx_tunables::kMinLevel - 1) == at(chm::lzx_tunables::kMinLevel));
    EXPECT_TRUE(at(99) == at(chm::lzx_tunables::kMaxLevel));
    EXPECT_FALSE(at(chm::lzx_tunables::kMinLevel) == at(chm::lzx_tunables::kDefaultLevel));
    EXPECT_TRUE(chm::CompressLzx(text).bytes == at(chm::lzx_tunables::kDefaultLevel));
}

}  // namespace
