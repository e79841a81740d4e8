// The binary contents read back through chmlib and walked as xchm walks it: from the header's
// first entry along next-sibling links, into a book's first child, names through #TOPICS.
#include <gtest/gtest.h>

#ifdef TESS_HAVE_CHMLIB
#include <chm_lib.h>

#include <fstream>
#include <map>

#include "chm/writer.h"

namespace {

uint32_t U32At(const std::string& s, size_t at) {
    return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8 | uint8_t(s[at + 2]) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}

// One line an entry: indented by depth, its name, " -> address" when it opens one.
void Walk(std::map<std::string, std::string>& f, uint32_t at, uint32_t parent, int depth, std::string& out) {
    for (; at; at = U32At(f["#TOCIDX"], at + 0x10)) {
        uint32_t flags = U32At(f["#TOCIDX"], at + 4), index = U32At(f["#TOCIDX"], at + 8), topic = index * 16;
        EXPECT_EQ(U32At(f["#TOCIDX"], at + 0x0C), parent);
        uint32_t name = flags & 8 ? U32At(f["#TOPICS"], topic + 4) : index;
        out += std::string(2 * depth, ' ') + (f["#STRINGS"].c_str() + name);
        if (flags & 8) {
            EXPECT_EQ(U32At(f["#TOPICS"], topic), at) << "the topic names its entry";
            uint32_t url = U32At(f["#URLTBL"], U32At(f["#TOPICS"], topic + 8) + 8);
            out += " -> " + std::string(f["#URLSTR"].c_str() + url + 8);
        }
        out += "\n";
        if (flags & 4) Walk(f, U32At(f["#TOCIDX"], at + 0x14), at, depth + 1, out);
    }
}

TEST(ContentsIndex, NestedContentsWalkedAsXchmDoes) {
    chm::Options options;
    options.language = 0x411;
    std::vector<chm::InputFile> files = {
        {"/a.htm", "<p>a</p>", "Title A"}, {"/b/c.htm", "<p>c</p>", "\x83\x65\x83\x58\x83\x67"},  // テスト
        {"/d.htm", "<p>d</p>", "Title D"}, {"/pic.png", "png", std::nullopt}};
    options.contents = {
        {"Title A", "/a.htm", {{"\x83\x65\x83\x58\x83\x67", "b/c.htm", {}}, {"Renamed D", "/d.htm", {}}}},
        {"Heading", "", {{"Deeper", "", {{"Picture", "/pic.png", {}}}}, {"Again A", "a.htm", {}}}},
        {"Last", "/d.htm", {}}};
    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    std::string path = testing::TempDir() + "/contents_index.chm";
    std::ofstream(path, std::ios::binary) << *bytes;
    chmFile* file = chm_open(path.c_str());
    ASSERT_NE(file, nullptr);
    std::map<std::string, std::string> f;
    for (const char* name : {"#TOCIDX", "#TOPICS", "#STRINGS", "#URLTBL", "#URLSTR"}) {
        chmUnitInfo ui;
        ASSERT_EQ(chm_resolve_object(file, ("/" + std::string(name)).c_str(), &ui), CHM_RESOLVE_SUCCESS) << name;
        f[name].resize(ui.length);
        chm_retrieve_object(file, &ui, reinterpret_cast<unsigned char*>(f[name].data()), 0, ui.length);
    }
    chm_close(file);
    EXPECT_EQ(U32At(f["#TOCIDX"], 8), 8u) << "entry count";
    std::string walked;
    Walk(f, U32At(f["#TOCIDX"], 0), 0, 0, walked);
    // An entry named otherwise than its page gets a topic of its own name, opening the same page.
    EXPECT_EQ(walked, "Title A -> a.htm\n  \x83\x65\x83\x58\x83\x67 -> b/c.htm\n  Renamed D -> d.htm\n"
                      "Heading\n  Deeper\n    Picture\n  Again A -> a.htm\nLast -> d.htm\n");
    EXPECT_EQ(f["#TOPICS"].size(), 6u * 16) << "three pages and three renamed entries";
}

}  // namespace
#endif
