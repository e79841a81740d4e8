// Contents, index and window: a project's own, and the contents list made for a dropped page.
#include <gtest/gtest.h>

#include "hhc_fixture.h"
#include "tests/chm/chm_readers.h"
#include "hhc/sitemap.h"

namespace {

using namespace hhc_test;

std::string Sitemap(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string out = "<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT><UL>\n";
    for (const auto& [name, local] : entries)
        out += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
               "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
    return out + "</UL></BODY></HTML>\n";
}

class Navigation : public HhcFixture {};

// A documentation tool's project: relative paths, Windows separators, no log, run from
// another folder. Files only the contents or the index name come along.
TEST_F(Navigation, ProjectContentsIndexAndWindow) {
    chm_test::FileMap files = {
        {"/index.html", "<html><head><title>Start</title><link rel=stylesheet href=style.css></head>"
                        "<body><a href=\"a.html\">A</a></body></html>"},
        {"/a.html", "<title>A</title><p>a</p>"},
        {"/style.css", "body { color: black }"},
        {"/sub/b.html", "<title>B</title><img src=\"../pic.png\">"},
        {"/pic.png", NoiseBytes(3000, 1)},
        {"/only-in-contents.html", "<title>Contents only</title>"},
        {"/only-in-contents.png", NoiseBytes(500, 2)},
        {"/only-in-index.html", "<title>Index only</title>"},
        {"/toc.hhc", Sitemap({{"Start", "index.html"}, {"A", "a.html"}, {"B", "sub/b.html#part"},
                              {"Contents only", "only-in-contents.html"}, {"Picture", "only-in-contents.png"}})},
        {"/keys.hhk", Sitemap({{"keyword", "only-in-index.html"}, {"b", "sub/b.html"}})},
    };
    for (const auto& [name, bytes] : files) tree.Write("doc" + name, bytes);
    tree.Write("doc/help.hhp",
               "[OPTIONS]\r\nBinary TOC=Yes\r\nCompiled file=help.chm\r\nContents file=toc.hhc\r\nIndex file=keys.hhk\r\n"
               "Default Window=main\r\nDefault topic=index.html\r\nFull-text search=No\r\nTitle=Help\r\n\r\n"
               "[WINDOWS]\r\nmain=\"Caption, with comma\",\"toc.hhc\",\"keys.hhk\",\"index.html\",\"index.html\",,,,,"
               "0x63520,220,0x10384e,[0,0,1024,768],,,,,,,0\r\n\r\n"
               "[FILES]\r\nindex.html\r\nsub\\b.html\r\n\r\n[MAP]\r\n#define IDH_X 1\r\n");
    tree.Write("elsewhere/.keep", "");
    options.folder = tree.Path("elsewhere");
    std::string out = tree.Path("hhc.out");
    Exit exit = WaitProcess(StartProcess({HHC_PATH, "../doc/help.hhp"}, options, out));
    std::string console = ReadFile(out);
    ASSERT_EQ(exit.code, kCreatedStatus) << console;
    EXPECT_EQ(console.find("Binary TOC"), std::string::npos) << console;
    EXPECT_EQ(console.find("not found"), std::string::npos) << console;
    EXPECT_NE(console.find("Created " + tree.Path("doc/help.chm")), std::string::npos) << console;

    std::string chm = tree.Path("doc/help.chm");
    for (const auto& d : chm_test::CompareWithReaders(chm, files, tree.Path("read"))) ADD_FAILURE() << d;
    auto view = chm_test::ReadWithPychm(chm, tree.Path("read"));
    ASSERT_EQ(view.error, "");
    EXPECT_EQ(view.topics, files["/toc.hhc"]);
    EXPECT_EQ(view.index, files["/keys.hhk"]);
    EXPECT_EQ(view.title, "Help");
    EXPECT_EQ(view.home, "/index.html");
    // The window the viewer opens names the caption and both files.
    auto stored = ExtractChm(chm, tree.Path("x"));
    // The binary contents beside the sitemap; the picture, no topic, is a heading named in #STRINGS.
    EXPECT_EQ(stored["#TOCIDX"].size(), 0x1000u + 5 * 0x14 + 5 * 4);
    for (const char* text : {"Caption, with comma", "toc.hhc", "keys.hhk", "main", "Picture"})
        EXPECT_NE(stored["#STRINGS"].find(std::string(text) + '\0'), std::string::npos) << text;
}

// Contents and index kept in UTF-8 are stored in the language's code page, which the viewer
// reads them in; what it lacks as a character reference. The pages stay as they are. Long ones
// are stored from work files.
TEST_F(Navigation, Utf8SitemapsAreStoredInTheLanguagesCodePage) {
    for (size_t more : {0, 40000}) {
        std::vector<std::pair<std::string, std::string>> toc{{"目次 caf\xC3\xA9", "index.html"}}, keys{{"索引", "index.html"}};
        std::vector<std::pair<std::string, std::string>> stored_toc{{"\x96\xDA\x8E\x9F caf&#233;", "index.html"}},
            stored_keys{{"\x8D\xF5\x88\xF8", "index.html"}};
        for (size_t i = 0; i < more; ++i) {
            toc.push_back({"節 " + std::to_string(i), "index.html"});
            stored_toc.push_back({"\x90\xDF " + std::to_string(i), "index.html"});
            keys.push_back({"索引 " + std::to_string(i), "index.html"});
            stored_keys.push_back({"\x8D\xF5\x88\xF8 " + std::to_string(i), "index.html"});
        }
        const std::string page = "<meta charset=\"utf-8\"><title>目次</title><p>本文</p>";
        tree.Write("doc/index.html", page);
        tree.Write("doc/toc.hhc", "\xEF\xBB\xBF" + Sitemap(toc));
        tree.Write("doc/keys.hhk", "<meta charset=\"utf-8\">" + Sitemap(keys));
        tree.Write("doc/help.hhp", "[OPTIONS]\r\nCompiled file=help.chm\r\nContents file=toc.hhc\r\nIndex file=keys.hhk\r\n"
                                   "Default topic=index.html\r\nLanguage=0x411\r\n[FILES]\r\nindex.html\r\n");
        std::string out = tree.Path("hhc.out");
        Exit exit = WaitProcess(StartProcess({HHC_PATH, tree.Path("doc/help.hhp")}, options, out));
        ASSERT_EQ(exit.code, kCreatedStatus) << ReadFile(out);
        chm_test::FileMap files = {
            {"/index.html", page},
            {"/toc.hhc", Sitemap(stored_toc)},
            {"/keys.hhk", "<meta charset=\"shift_jis\">" + Sitemap(stored_keys)},
        };
        ASSERT_EQ(files["/toc.hhc"].size() > (4u << 20), more > 0);
        const std::string chm = tree.Path("doc/help.chm"), read = tree.Path("read" + std::to_string(more));
        for (const auto& d : chm_test::CompareWithReaders(chm, files, read)) ADD_FAILURE() << d;
        auto view = chm_test::ReadWithPychm(chm, read);
        ASSERT_EQ(view.error, "");
        EXPECT_EQ(view.topics, files["/toc.hhc"]);
        EXPECT_EQ(view.index, files["/keys.hhk"]);
    }
}

struct Page {
    std::string name;
    std::string html;
};

struct ContentsCase {
    const char* label;
    std::vector<Page> pages;  // the first is dropped
    std::vector<std::pair<std::string, std::string>> listed;  // name, file; empty: no contents
};

class GeneratedContents : public HhcFixture, public ::testing::WithParamInterface<ContentsCase> {};

TEST_P(GeneratedContents, ListsThePagesInLinkOrder) {
    std::string dropped;
    for (const auto& p : GetParam().pages) {
        std::string path = tree.Write("ページ 集/" + p.name, p.html);
        if (dropped.empty()) dropped = path;
    }
    ASSERT_EQ(RunHhc(ProjectFor(dropped), options).code, kCreatedStatus) << ReadLog(Log());
    std::filesystem::create_directories(tree.Path("read"));
    auto view = chm_test::ReadWithPychm(Chm(), tree.Path("read"));
    ASSERT_EQ(view.error, "");
    std::vector<std::pair<std::string, std::string>> listed;
    for (const auto& e : hhc::ParseSitemap(view.topics)) {
        EXPECT_EQ(e.depth, 1);
        listed.emplace_back(e.name, e.locals.empty() ? "" : e.locals.front());
    }
    EXPECT_EQ(listed, GetParam().listed);
    // Every page stays as it was, whatever the list is called.
    auto stored = ExtractChm(Chm(), tree.Path("x"));
    for (const auto& p : GetParam().pages) EXPECT_EQ(stored[p.name], p.html) << p.name;
}

INSTANTIATE_TEST_SUITE_P(
    Drops, GeneratedContents,
    ::testing::Values(
        ContentsCase{"ThreeLinkedPages",
                     {{"index.html", "<title>Manual</title><a href=\"c.html\">c</a> <a href=a.html>a</a> <a href=b.html#x>b</a>"},
                      {"c.html", "<title>Chapter &amp; C</title><a href=\"deeper/d.html\">d</a> <a href=index.html>up</a>"},
                      {"a.html", "<meta charset=utf-8><title>第二章</title>"},
                      {"b.html", "<p>no title</p>"},
                      {"deeper/d.html", "<title>D</title>"}},
                     {{"Manual", "index.html"}, {"Chapter & C", "c.html"}, {"第二章", "a.html"}, {"b.html", "b.html"},
                      {"D", "deeper/d.html"}}},
        ContentsCase{"OnePageHasNone", {{"index.html", "<title>Alone</title><a href=\"doc.pdf\">pdf</a>"}}, {}},
        // A file of the user's own spelled like the list keeps its bytes.
        ContentsCase{"UsersOwnContentsName",
                     {{"index.html", "<title>Top</title><link rel=contents href=\"contents.hhc\"><a href=\"a.html\">a</a>"},
                      {"contents.hhc", "<p>the user's own file</p>"},
                      {"a.html", "<title>A</title>"}},
                     {{"Top", "index.html"}, {"A", "a.html"}}}),
    [](const auto& info) { return info.param.label; });

}  // namespace
