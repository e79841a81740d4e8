#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "hhc_fixture.h"
#include "platform/posix/iconv_text_codec.h"

namespace {

using namespace hhc_test;

const std::string kTitle = "日本語のページ";
const std::string kPageText = "<html><head><meta charset=\"utf-8\"><title>" + kTitle +
                              "</title><link rel=\"stylesheet\" href=\"スタイル.css\"></head>"
                              "<body><h1>こんにちは、世界</h1><img src=\"画像/写真 1.png\">"
                              "<p style=\"background:url('画像/点.gif')\">本文</p></body></html>";

std::string WithCommas(std::uintmax_t n) {
    std::string d = std::to_string(n), out;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && (d.size() - i) % 3 == 0) out += ',';
        out += d[i];
    }
    return out;
}

class Compile : public HhcFixture {
protected:
    void WriteJapanesePage() {
        page = tree.Write("ページ 集/説明 ページ.html", kPageText);
        image = NoiseBytes(20000, 1);
        dot = NoiseBytes(300, 2);
        tree.Write("ページ 集/画像/写真 1.png", image);
        tree.Write("ページ 集/画像/点.gif", dot);
        tree.Write("ページ 集/画像/背景.png", "bg");
        tree.Write("ページ 集/スタイル.css", "body { background: url(\"画像/背景.png\") }");
    }

    std::string page, image, dot;
};

TEST_F(Compile, JapanesePageInJapaneseFoldersIsReadableByAnIndependentReader) {
    WriteJapanesePage();
    Exit exit = RunHhc(ProjectFor(page), options);
    ASSERT_EQ(exit.code, kCreatedStatus) << ReadLog(Log());

    auto size = std::filesystem::file_size(Chm());
    EXPECT_EQ(ReadLog(Log()), "Created " + Chm() + ", " + WithCommas(size) + " bytes\r\n");

    auto files = ExtractChm(Chm(), tree.Path("extracted"));
    EXPECT_EQ(files["説明 ページ.html"], kPageText);
    EXPECT_EQ(files["画像/写真 1.png"], image);
    EXPECT_EQ(files["画像/点.gif"], dot);
    EXPECT_EQ(files["画像/背景.png"], "bg");
    EXPECT_EQ(files["スタイル.css"], "body { background: url(\"画像/背景.png\") }");
    ASSERT_TRUE(files.count("#SYSTEM"));
    const std::string& system = files["#SYSTEM"];
    // The title in the code page the language names, and the language itself (0x0411).
    EXPECT_NE(system.find(*tess::IconvTextCodec().ToAnsi(kTitle)), std::string::npos);
    EXPECT_NE(system.find(std::string("\x11\x04\x00\x00", 4)), std::string::npos);
    // The start page's address, in the code page viewers read it in.
    EXPECT_NE(system.find(*tess::IconvTextCodec().ToAnsi("説明 ページ.html")), std::string::npos);
    EXPECT_NE(files["#URLSTR"].find(*tess::IconvTextCodec().ToAnsi("説明 ページ.html")), std::string::npos);

    auto listed = ListChmWith7z(Chm());
    for (const char* name : {"説明 ページ.html", "画像/写真 1.png", "スタイル.css", "#SYSTEM"})
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
    ExpectNoTemporaries();
}

TEST_F(Compile, AcceptsAProjectWithLfOnlyLines) {
    WriteJapanesePage();
    Exit exit = RunHhc(WriteProgramProject(program, page, "\n"), options);
    ASSERT_EQ(exit.code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ExtractChm(Chm(), tree.Path("x"))["説明 ページ.html"], kPageText);
}

TEST_F(Compile, ShiftJisPageKeepsItsTitle) {
    tess::IconvTextCodec codec;
    std::string sjis = *codec.ToAnsi("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
                                     "<title>表示の説明</title></head><body>ソフト</body></html>");
    page = tree.Write("ページ 集/表示.htm", sjis);
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    auto files = ExtractChm(Chm(), tree.Path("x"));
    EXPECT_EQ(files["表示.htm"], sjis);
    EXPECT_NE(files["#SYSTEM"].find(*codec.ToAnsi("表示の説明")), std::string::npos);
    EXPECT_NE(files["#URLSTR"].find(*codec.ToAnsi("表示.htm")), std::string::npos);
}

// An XHTML page with a prolog brings all it uses.
TEST_F(Compile, XhtmlWithAPrologBringsItsStyleSheetAndImages) {
    std::string xhtml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>第1章</title>"
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"docbook.css\" /></head><body>"
        "<div class=\"figure\"><img src=\"images/fig1.png\" alt=\"図\" /></div>"
        "<a href=\"ch02.html\">次へ</a></body></html>";
    page = tree.Write("ページ 集/ch01.html", xhtml);
    tree.Write("ページ 集/docbook.css", "div.figure { border: 1px solid }");
    tree.Write("ページ 集/images/fig1.png", NoiseBytes(500, 3));
    tree.Write("ページ 集/ch02.html", "<html><body><img src=\"images/fig2.png\"></body></html>");
    tree.Write("ページ 集/images/fig2.png", NoiseBytes(400, 4));
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    auto files = ExtractChm(Chm(), tree.Path("x"));
    EXPECT_EQ(files["ch01.html"], xhtml);
    EXPECT_EQ(files["docbook.css"], "div.figure { border: 1px solid }");
    EXPECT_EQ(files["images/fig1.png"], NoiseBytes(500, 3));
    EXPECT_EQ(files["ch02.html"], "<html><body><img src=\"images/fig2.png\"></body></html>");
    EXPECT_EQ(files["images/fig2.png"], NoiseBytes(400, 4));
}

// A document set: every page is reached through the one before it. (chmlib's enumeration
// skips names in a directory this size, so 7z does the listing.)
TEST_F(Compile, AChainOfLinkedPagesComesAlongWhole) {
    constexpr int kPages = 150;
    for (int i = 1; i <= kPages; ++i)
        tree.Write("ページ 集/章" + std::to_string(i) + ".html",
                   "<p>" + std::to_string(i) + "</p><a href=\"章" + std::to_string(i + 1) + ".html\">次</a>");
    ASSERT_EQ(RunHhc(ProjectFor(pages + "章1.html"), options).code, kCreatedStatus) << ReadLog(Log());
    auto listed = ListChmWith7z(Chm());
    for (int i = 1; i <= kPages; ++i) {
        std::string name = "章" + std::to_string(i) + ".html";
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
    }
    EXPECT_NE(ReadLog(Log()).find("章151.html is referred to but was not found"), std::string::npos);
}

// A help project of our own kind: several files (relative to the project's folder or
// absolute), a contents file, a title and a default topic other than the first file.
TEST_F(Compile, AProjectOfSeveralFilesWithAContentsFile) {
    const std::string toc =
        "<HTML><BODY><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"目次\">"
        "<param name=\"Local\" value=\"index.html\"></OBJECT>"
        "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"付録\">"
        "<param name=\"Local\" value=\"extra/appendix.html\"></OBJECT></UL></BODY></HTML>";
    std::string tocs = *tess::IconvTextCodec().ToAnsi(toc);
    tree.Write("プログラム フォルダ/help/toc.hhc", tocs);
    tree.Write("プログラム フォルダ/help/index.html", "<title>目次</title><link rel=stylesheet href=style.css>");
    tree.Write("プログラム フォルダ/help/usage.html", "<img src=\"img/a.png\">");
    tree.Write("プログラム フォルダ/help/style.css", "body{}");
    tree.Write("プログラム フォルダ/help/img/a.png", "png");
    tree.Write("プログラム フォルダ/help/extra/appendix.html", "<p>only the contents file names me</p>");
    std::string absolute = tree.Write("プログラム フォルダ/help/sub/absolute.html", "<p>named by its full path</p>");
    std::string project = ProjectOf("[OPTIONS]\r\nCompiled file=out/ヘルプ.chm\r\nContents file=help/toc.hhc\r\n"
                                    "Default topic=help/usage.html\r\nError log file=" + Log() +
                                    "\r\nLanguage=0x411\r\nTitle=わたしのヘルプ\r\n\r\n[FILES]\r\n"
                                    "help/index.html\r\nhelp/usage.html\r\n" + absolute + "\r\n");
    std::filesystem::create_directories(program + "out");
    ASSERT_EQ(RunHhc(project, options).code, kCreatedStatus) << ReadLog(Log());
    std::string chm = program + "out/ヘルプ.chm";
    EXPECT_EQ(ReadLog(Log()).find("Created " + chm), 0u) << ReadLog(Log());

    auto files = ExtractChm(chm, tree.Path("x"));
    EXPECT_EQ(files["help/index.html"], "<title>目次</title><link rel=stylesheet href=style.css>");
    EXPECT_EQ(files["help/usage.html"], "<img src=\"img/a.png\">");
    EXPECT_EQ(files["help/style.css"], "body{}");
    EXPECT_EQ(files["help/img/a.png"], "png");
    EXPECT_EQ(files["help/extra/appendix.html"], "<p>only the contents file names me</p>");
    EXPECT_EQ(files["help/sub/absolute.html"], "<p>named by its full path</p>");
    EXPECT_EQ(files["help/toc.hhc"], tocs);
    const std::string& system = files["#SYSTEM"];
    EXPECT_NE(system.find(*tess::IconvTextCodec().ToAnsi("わたしのヘルプ")), std::string::npos);
    EXPECT_NE(system.find("usage.html"), std::string::npos) << "default topic";
    EXPECT_NE(system.find("toc.hhc"), std::string::npos) << "contents file";
    EXPECT_TRUE(Names(tmp).empty());
    EXPECT_EQ(Names(program + "out"), std::set<std::string>{"ヘルプ.chm"});
}

// As Microsoft's compiler: a listed file that cannot be taken is an error line, the rest compiles.
TEST_F(Compile, AMissingFileOfAProjectIsNamedAndLeftOut) {
    tree.Write("プログラム フォルダ/help/index.html", "x");
    std::string project = ProjectOf("[OPTIONS]\r\nCompiled file=Help.chm\r\nError log file=" + Log() +
                                    "\r\n[FILES]\r\nhelp/index.html\r\nhelp/gone.html\r\n");
    ASSERT_EQ(RunHhc(project, options).code, kCreatedStatus) << ReadLog(Log());
    std::string log = ReadLog(Log());
    EXPECT_NE(log.find("Error: The page " + program + "help/gone.html does not exist. It was left out."),
              std::string::npos) << log;
    EXPECT_EQ(log.find("Created "), log.rfind('\n', log.size() - 2) + 1) << "the success line comes last";
}

TEST_F(Compile, TakesNothingFromOutsideThePagesFolderTree) {
    tree.Write("secret.txt", "do not take");
    tree.Write("ページ 集/sub/inner.png", "inner");
    page = tree.Write("ページ 集/sub/a.html",
                      "<img src=\"../../secret.txt\"><img src=\"inner.png\"><img src=\"/etc/hostname\">"
                      "<a href=\"../other.html\">up</a><img src=\"http://example.com/x.png\">");
    tree.Write("ページ 集/other.html", "other");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    auto files = ExtractChm(Chm(), tree.Path("x"));
    EXPECT_EQ(files["inner.png"], "inner");
    EXPECT_EQ(files["a.html"].substr(0, 4), "<img");
    for (const auto& [name, bytes] : files) {
        EXPECT_NE(bytes, "do not take") << name;
        EXPECT_NE(bytes, "other") << name;
    }
}

TEST_F(Compile, FilesSpelledInAnotherCaseComeAlongUnderThePagesSpelling) {
    tree.Write("ページ 集/Images/Logo.PNG", "logo");
    page = tree.Write("ページ 集/p.html", "<img src=\"images/logo.png\">");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ExtractChm(Chm(), tree.Path("x"))["images/logo.png"], "logo");
}

TEST_F(Compile, ReplacesTheEarlierCompiledFileAndLog) {
    tree.Write("プログラム フォルダ/Dummy.chm", "old compiled file");
    tree.Write("プログラム フォルダ/log1.log", "Created long ago\r\n");
    page = tree.Write("ページ 集/p.html", "<p>new</p>");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ExtractChm(Chm(), tree.Path("x"))["p.html"], "<p>new</p>");
    EXPECT_EQ(ReadLog(Log()).find("long ago"), std::string::npos);
    ExpectNoTemporaries();
}

TEST_F(Compile, WarnsAboutMissingReferencesYetSucceeds) {
    page = tree.Write("ページ 集/p.html", "<img src=\"gone.png\"><p>x</p>");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus);
    std::string log = ReadLog(Log());
    EXPECT_NE(log.find("gone.png"), std::string::npos);
    EXPECT_NE(log.find("Created"), std::string::npos);
}

TEST_F(Compile, LogIsCodePage932WithCrLf) {
    page = tree.Write("ページ 集/p.html", "<p>x</p>");
    ASSERT_EQ(RunHhc(ProjectFor(page), options).code, kCreatedStatus);
    std::string raw = ReadFile(Log());
    EXPECT_NE(raw.find(*tess::IconvTextCodec().ToAnsi("プログラム フォルダ")), std::string::npos);
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
}

TEST_F(Compile, TakesAQuotedProjectPath) {
    page = tree.Write("ページ 集/p.html", "<p>x</p>");
    ASSERT_EQ(RunHhc("\"" + ProjectFor(page) + "\"", options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_NE(ReadLog(Log()).find("Created"), std::string::npos);
}

TEST_F(Compile, WithoutAnArgumentOrLogNameNothingIsMade) {
    EXPECT_EQ(WaitProcess(StartProcess({HHC_PATH}, options)).code, 2);
    std::string project = tree.Write("プログラム フォルダ/Dummy.hhp", "[Options]\r\nCompiled file=" + Chm() + "\r\n");
    EXPECT_EQ(RunHhc(project, options).code, 2);
    EXPECT_EQ(RunHhc(program + "nothere.hhp", options).code, 2);
    EXPECT_EQ(Names(program), std::set<std::string>{"Dummy.hhp"});
}

}  // namespace

namespace {

using namespace hhc_test;

struct TitleCase {
    const char* name;
    std::string page_title;     // UTF-8, as the page writes it
    std::string project_title;  // empty: the project names none
    std::string language;       // the project's Language= value
    std::string stored;         // expected in #SYSTEM, in the language's code page
};

class Title : public HhcFixture, public ::testing::WithParamInterface<TitleCase> {};

// The title shown in the viewer's caption: the project's if it names one, else the page's,
// in the code page of the project's language, with close forms for what it lacks.
TEST_P(Title, IsStoredInTheProjectsCodePage) {
    const TitleCase& c = GetParam();
    std::string page = tree.Write("ページ 集/t.html", "<meta charset=utf-8><title>" + c.page_title + "</title>");
    std::string project = "[OPTIONS]\r\nCompiled file=" + Chm() + "\r\nDefault topic=" + page + "\r\nError log file=" +
                          Log() + "\r\nLanguage=" + c.language + "\r\n";
    if (!c.project_title.empty()) project += "Title=" + c.project_title + "\r\n";
    // A project in another language's code page cannot name this tree's folder: it comes in UTF-8.
    ASSERT_EQ(RunHhc(ProjectOf(project, c.language == "0x409"), options).code, kCreatedStatus) << ReadLog(Log());
    std::string system = ExtractChm(Chm(), tree.Path("x"))["#SYSTEM"];
    EXPECT_NE(system.find(c.stored), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, Title,
    ::testing::Values(
        TitleCase{"PagesOwnInJapanese", "説明 — 第1章", "", "0x411 日本語", "\x90\xE0\x96\xBE \x81\x5C \x91\xE6" "1" "\x8F\xCD"},
        TitleCase{"ProjectsWins", "ページの題", "プロジェクトの題", "0x411 日本語",
                  "\x83\x76\x83\x8D\x83\x57\x83\x46\x83\x4E\x83\x67\x82\xCC\x91\xE8"},
        TitleCase{"EnglishProject", "Caf&eacute; &mdash; menu", "", "0x409", "Caf&eacute; \x97 menu"}),
    [](const auto& info) { return info.param.name; });

// Progress goes to the console unless the project turns it off, as the program's own does.
// A contents file stored shorter than it was read (UTF-8 made Shift JIS) still ends at 100%.
TEST_F(Compile, TellsItsProgressUnlessTheProjectSaysNo) {
    tree.Write("ページ 集/page 1.html", "<title>T</title><p>text</p>");
    std::string toc = "\xEF\xBB\xBF<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"";
    for (int i = 0; i < 2000; ++i) toc += "目次";
    tree.Write("ページ 集/toc.hhc", toc + "\"><param name=\"Local\" value=\"page 1.html\"></object></ul>");
    for (const char* shown : {"Yes", "No"}) {
        std::string project = ProjectOf("[OPTIONS]\r\nCompiled file=" + Chm() + "\r\nDefault topic=" + pages +
                                        "page 1.html\r\nContents file=" + pages +
                                        "toc.hhc\r\nLanguage=0x411\r\nDisplay compile progress=" + shown + "\r\n");
        std::string out = tree.Path("hhc.out");
        ASSERT_EQ(WaitProcess(StartProcess({HHC_PATH, project}, options, out)).code, kCreatedStatus);
        std::string console = ReadFile(out);
        for (const char* line : {"Gathered 2 files, 0.0 MB.", "Compressed 0.0 of 0.0 MB (100%).",
                                 "Made the search index of 1 topic.", "Compiled in "})
            EXPECT_EQ(console.find(line) != std::string::npos, shown[0] == 'Y') << shown << ": " << console;
    }
}

// Projects as their authors write them: each compiles, and the log says what it must.
struct AsWrittenCase {
    const char* name;
    std::string options;  // [OPTIONS] lines; {pages} and {chm} stand for the folders' paths
    std::string title;    // the page's, UTF-8
    std::string warning;  // expected in the log; empty: no warning at all
};

class AsWritten : public HhcFixture, public ::testing::WithParamInterface<AsWrittenCase> {};

TEST_P(AsWritten, CompilesAndSaysWhatItMust) {
    const AsWrittenCase& c = GetParam();
    std::string text = "[OPTIONS]\r\nError log file=" + Log() + "\r\n" + c.options + "\r\n";
    for (auto [mark, path] : {std::pair{"{pages}", pages}, std::pair{"{chm}", Chm()}})
        for (size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, std::string(mark).size(), path);
    std::string html = "<meta charset=utf-8><title>" + c.title + "</title><p>text</p>";
    tree.Write("ページ 集/page 1.html", html);
    ASSERT_EQ(RunHhc(ProjectOf(text, text.find("Language=0x409") != std::string::npos), options).code, kCreatedStatus)
        << ReadLog(Log());
    std::string log = ReadLog(Log());
    if (c.warning.empty()) {
        EXPECT_EQ(log.find("Warning"), std::string::npos) << log;
    } else {
        EXPECT_NE(log.find(c.warning), std::string::npos) << log;
    }
    EXPECT_EQ(ExtractChm(Chm(), tree.Path("x"))["page 1.html"], html);
}

INSTANTIATE_TEST_SUITE_P(
    Projects, AsWritten,
    ::testing::Values(
        AsWrittenCase{"EscapedDefaultTopic", "Compiled file={chm}\r\nDefault topic={pages}page%201.html", "T", ""},
        // Doxygen's project names none by default: the project's own name is taken.
        AsWrittenCase{"NoCompiledFile", "Default topic={pages}page 1.html", "T", ""},
        AsWrittenCase{"TitleOutsideTheCodePage", "Compiled file={chm}\r\nDefault topic={pages}page 1.html\r\nLanguage=0x409",
                      "日本語", "Warning: the title holds characters code page 1252 has no form for"},
        AsWrittenCase{"CaptionOutsideTheCodePage",
                      "Compiled file={chm}\r\nDefault topic={pages}page 1.html\r\nLanguage=0x409\r\nTitle=Help\r\n"
                      "Default Window=w\r\n[WINDOWS]\r\nw=\"ヘルプ\",,,,,,,,,0x63520",
                      "T", "Warning: the caption of the window w holds characters code page 1252"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
