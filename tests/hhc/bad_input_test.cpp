// Pages and folders that the earlier compiler handled wrongly: each must compile whole, and
// whatever is left out must be named in the log with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "hhc_fixture.h"
#include "tests/support/case_name.h"

namespace {

using namespace hhc_test;

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class BadInput : public HhcFixture {
protected:
    // Compiles the page; gives the log and fills `files` with what extract_chmLib finds.
    std::string Compile(const std::string& page) {
        Exit exit = RunHhc(ProjectFor(page), options);
        std::string log = ReadLog(Log());
        EXPECT_EQ(exit.code, kCreatedStatus) << log;
        files = ExtractChm(Chm(), tree.Path("x"));
        return log;
    }
    std::map<std::string, std::string> files;
};

// A tree-building parser stops at its depth limit: all after that point was lost.
TEST_F(BadInput, DeeplyNestedLegacyHtmlKeepsEveryReference) {
    tree.Write("ページ 集/after-fonts.png", "a");
    tree.Write("ページ 集/after-pairs.png", "b");
    tree.Write("ページ 集/next.html", "<p>next</p>");
    std::string page = tree.Write("ページ 集/p.html", Repeat("<font color=red>", 300) + "<img src=\"after-fonts.png\">" +
                                                         Repeat("<p><font>", 130) +
                                                         "<img src=after-pairs.png><a href=next.html>n</a>");
    Compile(page);
    EXPECT_EQ(files["after-fonts.png"], "a");
    EXPECT_EQ(files["after-pairs.png"], "b");
    EXPECT_EQ(files["next.html"], "<p>next</p>");
}

// The compiled file's own entries keep their names; a user's file so named is left out
// and named, never silently dropped nor mistaken for the entry.
TEST_F(BadInput, FilesNamedLikeInternalEntriesAreNamedInTheLog) {
    tree.Write("ページ 集/#SYSTEM", "user's system");
    tree.Write("ページ 集/$OBJINST", "user's objinst");
    tree.Write("ページ 集/#notes.png", "notes");
    std::string page = tree.Write("ページ 集/p.html", "<img src=\"%23SYSTEM\"><img src=\"$OBJINST\"><img src=\"%23notes.png\">");
    std::string log = Compile(page);
    for (const char* name : {"#SYSTEM", "$OBJINST", "#notes.png"})
        EXPECT_NE(log.find("Warning: " + std::string(name) + " was left out"), std::string::npos) << name << "\n" << log;
    EXPECT_NE(files["#SYSTEM"], "user's system");
    EXPECT_NE(files["$OBJINST"], "user's objinst");
    EXPECT_FALSE(files.count("#notes.png"));
}

TEST_F(BadInput, EveryFileLeftOutIsNamedWithItsReason) {
    tree.Write("outside.png", "o");
    tree.Write("ページ 集/ok.png", "ok");
    std::string page = tree.Write("ページ 集/p.html",
                                  "<img src=\"../outside.png\"><img src=\"/etc/hostname\"><img src=\"gone.png\">"
                                  "<img src=\"ok.png\"><img src=\"locked.png\"><img src=\"link.png\">");
    std::filesystem::create_symlink(tree.Path("outside.png"), pages + "link.png");
    std::string locked = tree.Write("ページ 集/locked.png", "secret");
    ASSERT_NO_FATAL_FAILURE(RunAsOrdinaryUser());
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    std::string log = Compile(page);
    EXPECT_NE(log.find("Warning: ../outside.png was left out: it lies outside the page's folder."), std::string::npos) << log;
    EXPECT_NE(log.find("Warning: /etc/hostname was left out: it lies outside the page's folder."), std::string::npos);
    EXPECT_NE(log.find("Warning: link.png was left out: it lies outside the page's folder through a link."),
              std::string::npos);
    EXPECT_NE(log.find("Warning: gone.png is referred to but was not found."), std::string::npos);
    EXPECT_NE(log.find("Warning: locked.png was left out: it cannot be read (Permission denied)."), std::string::npos);
    EXPECT_EQ(files["ok.png"], "ok");
    EXPECT_FALSE(files.count("locked.png"));
}

// More than the old limit of 20 000 files all go in; and thousands of missing names in a folder
// of thousands of files are looked up without rescanning the folder each time.
TEST_F(BadInput, NoFileLimitAndMissingNamesAreFoundFast) {
    std::string html = "<title>many</title>";
    std::filesystem::create_directories(pages + "d");
    for (int i = 0; i < 20000; ++i) {
        std::string name = "d/" + std::to_string(i) + ".txt";
        std::ofstream(pages + name) << i;
        html += "<img src=" + name + "><img src=gone/" + std::to_string(i) + ".png><img src=D/X" + std::to_string(i) + ".txt>";
    }
    std::string page = tree.Write("ページ 集/p.html", html);
    std::string log = Compile(page);
    EXPECT_EQ(log.find("limit"), std::string::npos);
    EXPECT_NE(log.find("Warning: gone/19999.png is referred to but was not found."), std::string::npos);
    EXPECT_NE(log.find("Warning: D/X0.txt is referred to but was not found."), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1 + 20000 + 20000);
    EXPECT_EQ(files.count("d/19999.txt"), 1u);
}

// "hhc Dummy.hhp" run in the project's folder, with paths relative to it.
TEST_F(BadInput, ARelativeProjectPathInTheProjectsFolder) {
    tree.Write("プログラム フォルダ/help/index.html", "<title>相対</title><img src=\"a.png\">");
    tree.Write("プログラム フォルダ/help/a.png", "a");
    ProjectOf("[OPTIONS]\r\nCompiled file=out.chm\r\nDefault topic=help/index.html\r\nError log file=log1.log\r\n"
              "Language=0x411\r\n");
    options.folder = program;
    ASSERT_EQ(RunHhc("Dummy.hhp", options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ReadLog(Log()).find("Created " + program + "out.chm"), 0u) << ReadLog(Log());
    EXPECT_EQ(ExtractChm(program + "out.chm", tree.Path("x"))["help/a.png"], "a");
}

// A page's title becomes the compiled file's: one that cannot be stored as it is gets a form
// that can, and a warning, instead of failing the conversion.
struct TitleCase {
    const char* what;
    std::string title;
    size_t stored_bytes;  // the #SYSTEM title entry's length, without its zero
};

class UnstorableTitle : public BadInput, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(UnstorableTitle, IsStoredCutWithAWarning) {
    std::string page = tree.Write("ページ 集/p.html", "<title>" + GetParam().title + "</title><p>body</p>");
    std::string log = Compile(page);
    EXPECT_NE(log.find("Warning: the title is too long or holds zero bytes"), std::string::npos) << log;
    std::string system = files["#SYSTEM"];
    size_t at = 4;  // version, then entries of code, length, bytes
    while (at + 4 <= system.size() && (static_cast<unsigned char>(system[at]) | system[at + 1] << 8) != 3)
        at += 4 + (static_cast<unsigned char>(system[at + 2]) | static_cast<unsigned char>(system[at + 3]) << 8);
    ASSERT_LT(at + 4, system.size()) << "no title entry";
    size_t length = static_cast<unsigned char>(system[at + 2]) | static_cast<unsigned char>(system[at + 3]) << 8;
    EXPECT_EQ(length, GetParam().stored_bytes + 1);
}

INSTANTIATE_TEST_SUITE_P(Titles, UnstorableTitle,
                         ::testing::Values(TitleCase{"a zero byte", std::string("ab\0cd", 5), 4},
                                           TitleCase{"70 KB", std::string(70000, 'x'), 0xFFFE},
                                           // 日 is 93 FA in code page 932: pairs are never split.
                                           TitleCase{"70 KB of double-byte characters", Repeat("日", 35000), 0xFFFE}),
                         [](const auto& info) { return tess_test::CaseName(info.param.what); });

// Every file left out is named: a listed file whose name differs only in case from another,
// and each relative reference a <base href> outside the folder takes away.
TEST_F(BadInput, ListedCaseTwinsAndReferencesABaseTakesAwayAreNamed) {
    tree.Write("プログラム フォルダ/help/A.html", "<title>A</title>upper");
    tree.Write("プログラム フォルダ/help/a.html", "<title>a</title>lower");
    tree.Write("プログラム フォルダ/help/up.html", "<base href=\"../../\"><img src=\"x.png\"><a href=\"y.html\">y</a>");
    tree.Write("プログラム フォルダ/help/web.html",
               "<base href=\"http://example.com/\"><img src=\"w.png\"><a href=\"http://example.com/z\">z</a>");
    ProjectOf("[OPTIONS]\r\nCompiled file=" + Chm() + "\r\nDefault topic=help/A.html\r\nError log file=" + Log() +
              "\r\n[FILES]\r\nhelp/a.html\r\nhelp/up.html\r\nhelp/web.html\r\n");
    ASSERT_EQ(RunHhc(program + "Dummy.hhp", options).code, kCreatedStatus) << ReadLog(Log());
    std::string log = ReadLog(Log());
    EXPECT_NE(log.find("Warning: help/a.html was left out: another file whose name differs"), std::string::npos) << log;
    for (const char* ref : {"x.png", "y.html", "w.png"})
        EXPECT_NE(log.find("Warning: " + std::string(ref) + " was left out: the page"), std::string::npos) << ref << "\n" << log;
    EXPECT_EQ(log.find("example.com/z was left out"), std::string::npos) << log;
}

}  // namespace
