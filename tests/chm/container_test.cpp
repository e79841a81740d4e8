// Compiled files written by our writer, read back byte for byte by independent readers.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

#include "../hhc/temp_tree.h"
#include "chm/writer.h"
#include "chm_readers.h"
#include "sample_inputs.h"

namespace {

using chm_test::FileMap;

std::string Page(const std::string& title, size_t size = 0) {
    std::string html = "<html><head><title>" + title + "</title></head><body><p>" + title + "</p>";
    while (html.size() + 14 < size) html += "<p>filler</p>";
    return html + "</body></html>";
}

std::string Contents(const std::vector<chm::InputFile>& files) {
    std::string s = "<html><body><ul>\n";
    for (const auto& f : files)
        if (f.title) s += "<li><object type=\"text/sitemap\"><param name=\"Local\" value=\"" + f.name.substr(1) + "\"></object>\n";
    return s + "</ul></body></html>\n";
}

struct Case {
    const char* label;
    std::function<std::vector<chm::InputFile>()> files;
};

std::vector<chm::InputFile> Pages(size_t count, const std::string& folder = "/") {
    std::vector<chm::InputFile> files;
    for (size_t i = 0; i < count; ++i) {
        std::string title = "Page " + std::to_string(i);
        files.push_back({folder + "p" + std::to_string(i) + ".htm", Page(title, 200 + i % 700), title});
    }
    return files;
}

const Case kCases[] = {
    {"one page", [] { return Pages(1); }},
    {"forty pages", [] { return Pages(40, "/sub/"); }},
    {"three hundred pages", [] { return Pages(300, "/a/b/"); }},
    {"three thousand pages", [] { return Pages(3000); }},
    {"long names need several index levels",
     [] {
         auto files = Pages(1200);
         std::string deep;
         for (char c : std::string("abcd")) deep += "/" + std::string(99, c);
         for (auto& f : files) f.name = deep + f.name;
         return files;
     }},
    {"empty files",
     [] {
         auto files = Pages(1);
         files.push_back({"/empty.txt", ""});
         files.push_back({"/dir/empty.css", ""});
         return files;
     }},
    {"sizes around the frame and reset edges",
     [] {
         auto files = Pages(1);
         for (size_t size : {32767, 32768, 32769, 65535, 65536, 65537})
             files.push_back({"/s" + std::to_string(size) + ".bin", hhc_test::NoiseBytes(size, static_cast<unsigned>(size))});
         return files;
     }},
    {"a file of several megabytes",
     [] {
         auto files = Pages(1);
         files.push_back({"/big.htm", Page("Big", 5 * 1024 * 1024), "Big"});
         return files;
     }},
    {"incompressible bytes",
     [] {
         auto files = Pages(1);
         files.push_back({"/noise.png", hhc_test::NoiseBytes(300000, 7)});
         return files;
     }},
    {"blanks, Japanese and capitals in names",
     [] {
         auto files = Pages(1);
         files.push_back({"/My Page.HTM", Page("Blank"), "Blank"});
         files.push_back({"/日本語/ページ.html", Page("\x83\x79\x81\x5B\x83\x57"), "\x83\x79\x81\x5B\x83\x57"});
         files.push_back({"/Images/Logo A.PNG", hhc_test::NoiseBytes(999, 3)});
         files.push_back({"/images_b/x.gif", "GIF89a"});
         return files;
     }},
};

class ReadBack : public testing::TestWithParam<Case> {};

TEST_P(ReadBack, EveryReaderExtractsEveryFileUnchanged) {
    hhc_test::TempTree tmp;
    auto files = GetParam().files();
    files.push_back({"/toc.hhc", Contents(files)});
    chm::Options options;
    options.title = "Title \x83\x65\x83\x58\x83\x67";  // "Title テスト" in code page 932
    options.language = 0x411;
    options.default_topic = files.front().name;
    options.contents_file = "/toc.hhc";
    options.compiled_name = "Dummy";
    FileMap expected;
    for (const auto& f : files) expected[f.name] = f.bytes;

    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    std::string path = tmp.Write("out.chm", *bytes);
    for (const auto& diff : chm_test::CompareWithReaders(path, expected, tmp.root())) ADD_FAILURE() << diff;

    auto view = chm_test::ReadWithPychm(path, tmp.root());
    ASSERT_EQ(view.error, "");
    EXPECT_EQ(view.title, options.title);
    EXPECT_EQ(view.home, files.front().name);  // blanks kept, as Microsoft's compiler stores them
    EXPECT_EQ(view.topics, expected["/toc.hhc"]);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadBack, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.label; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

TEST(Writer, TheSameInputGivesTheSameBytes) {
    auto files = Pages(50);
    chm::Options options;
    options.default_topic = "p0.htm";
    auto first = chm::BuildChm(options, files);
    auto second = chm::BuildChm(options, files);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
    // Several reset intervals, so that two threads share the work; one, two or every core.
    files.push_back({"/noise.bin", chm_test::RandomBytes(600000, 7)});
    std::optional<std::string> one;
    for (unsigned threads : {1u, 2u, 0u}) {
        options.threads = threads;
        auto bytes = chm::BuildChm(options, files);
        ASSERT_TRUE(bytes);
        if (!one) one = *bytes;
        EXPECT_EQ(*bytes, *one) << threads << " threads";
    }
}

TEST(Writer, RefusesNamesItCannotStoreWithTheReason) {
    struct Refusal {
        std::vector<std::string> names;
        std::string default_topic;
        std::string reason;
    };
    const Refusal refusals[] = {
        {{""}, "", "empty"},
        {{"page.htm"}, "", "must start with"},
        {{"/#SYSTEM"}, "", "own entries"},
        {{"/$OBJINST"}, "", "own entries"},
        {{"::DataSpace/NameList"}, "", "must start with"},
        {{"/a/"}, "", "marks a folder"},
        {{"/a//b"}, "", "empty, \".\" or \"..\""},
        {{"/../b"}, "", "empty, \".\" or \"..\""},
        {{"/a\\b"}, "", "separated by"},
        {{"/a\tb"}, "", "control character"},
        {{"/\xff.htm"}, "", "UTF-8"},
        {{"/" + std::string(chm::kMaxNameBytes, 'a')}, "", "longer than"},
        {{"/a.htm", "/A.HTM"}, "", "differ only in upper and lower case"},
        {{"/a.htm", "/a.htm"}, "", "given twice"},
        {{"/a.htm"}, "b.htm", "default topic \"b.htm\" is not among"},
        {{"/a.htm"}, "", "title is too long"},
    };
    for (const auto& r : refusals) {
        std::vector<chm::InputFile> files;
        for (const auto& n : r.names) files.push_back({n, "x"});
        chm::Options options;
        options.default_topic = r.default_topic;
        if (r.reason.starts_with("title")) options.title = std::string(70000, 't');
        auto result = chm::BuildChm(options, files);
        ASSERT_FALSE(result) << r.names.front();
        EXPECT_NE(result.error().message.find(r.reason), std::string::npos) << result.error().message;
    }
}

TEST(Writer, CodePagesFollowTheLanguage) {
    const std::pair<uint32_t, uint32_t> table[] = {{0x411, 932}, {0x409, 1252}, {0x809, 1252}, {0x804, 936},
                                                   {0x404, 950}, {0x412, 949},  {0x419, 1251}, {0x415, 1250},
                                                   {0x408, 1253}, {0x41F, 1254}, {0x40D, 1255}, {0x401, 1256}};
    for (auto [language, code_page] : table) EXPECT_EQ(chm::CodePageOf(language), code_page) << std::hex << language;
}

}  // namespace
