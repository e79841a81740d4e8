// Compiled files made by hhc, read back byte for byte by four independent readers.
#include <gtest/gtest.h>

#include <functional>

#include "hhc_fixture.h"
#include "tests/chm/chm_readers.h"

namespace {

using namespace hhc_test;

struct Stored {
    std::string name;   // inside the page's folder
    std::string bytes;
    std::string ref;    // as the page writes it; empty: the name itself
};

struct ReaderCase {
    const char* label;
    std::function<std::vector<Stored>()> files;  // besides the page, which refers to each of them
};

std::vector<Stored> Numbered(int count, size_t size) {
    std::vector<Stored> out;
    for (int i = 0; i < count; ++i) {
        std::string text = "file " + std::to_string(i) + " ";
        while (text.size() < size) text += "text of file " + std::to_string(i) + "; ";
        out.push_back({"f/" + std::to_string(i) + ".txt", text.substr(0, size), ""});
    }
    return out;
}

std::string Compressible(size_t size) {
    std::string s;
    for (int i = 0; s.size() < size; ++i) s += "<p class=\"x\">Paragraph " + std::to_string(i % 977) + " of a manual.</p>\n";
    return s.substr(0, size);
}

class Readers : public HhcFixture, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(Readers, ReadEveryFileBackByteForByte) {
    std::vector<Stored> files = GetParam().files();
    std::string html = "<html><head><meta charset=\"utf-8\"><title>読み出し</title></head><body>\n";
    chm_test::FileMap expected;
    for (const auto& f : files) {
        tree.Write("ページ 集/" + f.name, f.bytes);
        html += "<img src=\"" + (f.ref.empty() ? f.name : f.ref) + "\">\n";
        expected["/" + f.name] = f.bytes;
    }
    html += "</body></html>";
    std::string page = tree.Write("ページ 集/index.html", html);
    expected["/index.html"] = html;
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ReadLog(Log()).find("Warning"), std::string::npos) << ReadLog(Log());
    auto diffs = chm_test::CompareWithReaders(Chm(), expected, tree.Path("read"));
    for (const auto& d : diffs) ADD_FAILURE() << d;
}

INSTANTIATE_TEST_SUITE_P(
    Files, Readers,
    ::testing::Values(
        ReaderCase{"OnlyThePage", [] { return std::vector<Stored>{}; }},
        ReaderCase{"Forty", [] { return Numbered(39, 700); }},
        ReaderCase{"ThreeHundred", [] { return Numbered(299, 300); }},
        ReaderCase{"ThreeThousand", [] { return Numbered(2999, 120); }},
        ReaderCase{"Empty", [] {
            return std::vector<Stored>{{"empty.png", "", ""}, {"sub/empty.css", "", ""}, {"z.gif", "", ""}};
        }},
        // Around the 32 KB frame and the 64 KB reset interval.
        ReaderCase{"FrameAndResetSizes", [] {
            std::vector<Stored> out;
            for (size_t size : {32767, 32768, 32769, 65535, 65536, 65537})
                out.push_back({"size" + std::to_string(size) + ".bin", Compressible(size), ""});
            out.push_back({"noise65536.bin", NoiseBytes(65536, 3), ""});
            return out;
        }},
        ReaderCase{"SeveralMegabytes", [] {
            return std::vector<Stored>{{"manual.txt", Compressible(3 << 20), ""}, {"noise.bin", NoiseBytes(600000, 4), ""}};
        }},
        ReaderCase{"Incompressible", [] {
            return std::vector<Stored>{{"a.bin", NoiseBytes(200000, 5), ""}, {"b.bin", NoiseBytes(1, 6), ""}};
        }},
        // Names a project file's syntax could take apart: now simply stored.
        ReaderCase{"Names", [] {
            return std::vector<Stored>{{"with blank.png", "1", ""},        {"日本語 名前/画像.PNG", "2", ""},
                                       {"UPPER/Case.Png", "3", ""},        {";semi.png", "4", ""},
                                       {"[x]", "5", ""},                   {" lead.png", "6", "%20lead.png"},
                                       {"trail.png ", "7", "trail.png%20"}, {"=eq.htm", "8", ""},
                                       {"a=b;c#d.png", "9", "a=b;c%23d.png"}, {"sub/#SYSTEM", "10", "sub/%23SYSTEM"}};
        }}),
    [](const auto& info) { return info.param.label; });

}  // namespace
