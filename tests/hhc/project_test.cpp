#include "hhc/project.h"
#include "hhc/unhonoured.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/case_name.h"

namespace {

// The project exactly as the program writes it (code page 932, CR LF).
std::string ProgramProject(const std::string& p, const std::string& f, const std::string& eol = "\r\n") {
    const char* lines[] = {"[Options]", "Compatibility = 1.1 Or later", nullptr, nullptr,
                           "Display compile progress=No", nullptr, "Language=0x411 \x93\xFA\x96\x7B\x8C\xEA",
                           "", "", "[Files]", nullptr, "", "[INFOTYPES]", ""};
    std::string text;
    for (int i = 0; i < 14; ++i) {
        if (i == 2) text += "Compiled file=" + p + "Dummy.chm";
        else if (i == 3) text += "Default topic=" + f;
        else if (i == 5) text += "Error log file=" + p + "log1.log";
        else if (i == 10) text += f;
        else text += lines[i];
        text += eol;
    }
    return text;
}

TEST(Project, ReadsTheProgramsFourteenLines) {
    // "\x95\x5C" is 表, whose trail byte is a backslash.
    auto project = hhc::ParseProject(
        ProgramProject("/home/a/\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80 dir/", "/pages/my \x95\x5C.html"));
    ASSERT_TRUE(project.ok()) << project.error().message;
    std::string p = "/home/a/プログラム dir/", f = "/pages/my 表.html";
    EXPECT_EQ(project->compiled_file, p + "Dummy.chm");
    EXPECT_EQ(project->log_file, p + "log1.log");
    EXPECT_EQ(project->default_topic, f);
    EXPECT_EQ(project->files, std::vector<std::string>{f});
    EXPECT_EQ(project->language, 0x411u);
    EXPECT_TRUE(project->title.empty());
    EXPECT_TRUE(project->contents_file.empty());
}

TEST(Project, ReadsAHelpProjectOfSeveralFiles) {
    auto project = hhc::ParseProject(
        "[OPTIONS]\r\nCompiled file=Help.chm\r\nContents file=toc.hhc\r\nDefault topic=index.html\r\n"
        "Error log file=Help.log\r\nTitle=Tessaline \x83\x77\x83\x8B\x83\x76\r\n\r\n"
        "[FILES]\r\nindex.html\r\nsub/usage.html\r\n/abs/other.html\r\n");
    ASSERT_TRUE(project.ok()) << project.error().message;
    EXPECT_EQ(project->contents_file, "toc.hhc");
    EXPECT_EQ(project->default_topic, "index.html");
    EXPECT_EQ(project->title, "Tessaline ヘルプ");
    EXPECT_EQ(project->files, (std::vector<std::string>{"index.html", "sub/usage.html", "/abs/other.html"}));
}

TEST(Project, ToleratesLfOnlyLines) {
    auto project = hhc::ParseProject(ProgramProject("/p/", "/q/page.htm", "\n"));
    ASSERT_TRUE(project.ok());
    EXPECT_EQ(project->default_topic, "/q/page.htm");
    EXPECT_EQ(project->log_file, "/p/log1.log");
}

TEST(Project, KeepsTrailingBlanksOfAPath) {
    auto project = hhc::ParseProject("[OPTIONS]\nCompiled file=/p/x.chm\nError log file=/p/l.log\n[FILES]\n/q/a b .htm\n");
    ASSERT_TRUE(project.ok());
    EXPECT_EQ(project->default_topic, "/q/a b .htm");
}

struct Broken {
    const char* name;
    const char* text;
    bool log_named;
};

class ProjectBroken : public ::testing::TestWithParam<Broken> {};

TEST_P(ProjectBroken, FailsAndSaysWhetherTheLogIsKnown) {
    hhc::Project partial;
    auto project = hhc::ParseProject(GetParam().text, &partial);
    ASSERT_FALSE(project.ok());
    EXPECT_FALSE(project.error().message.empty());
    EXPECT_EQ(!partial.log_file.empty(), GetParam().log_named);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProjectBroken,
    ::testing::Values(Broken{"Empty", "", false}, Broken{"NoSection", "just some text\r\n", false},
                      Broken{"NoPage", "[Options]\r\nTitle=t\r\n[Files]\r\n", false},
                      Broken{"NoPageWithLog", "[Options]\r\nError log file=/p/l.log\r\nCompiled file=/p/D.chm\r\n", true},
                      Broken{"NoSectionWithLogLine", "Error log file=/p/l.log\r\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct Language {
    const char* name;
    const char* line;
    unsigned id;
};

class ProjectLanguage : public ::testing::TestWithParam<Language> {};

TEST_P(ProjectLanguage, ReadsTheLeadingNumber) {
    std::string text = std::string("[OPTIONS]\nCompiled file=/c.chm\nError log file=/l\nDefault topic=/a.htm\n") +
                       GetParam().line + "\n";
    auto project = hhc::ParseProject(text);
    ASSERT_TRUE(project.ok());
    EXPECT_EQ(project->language, GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Lines, ProjectLanguage,
                         ::testing::Values(Language{"HexWithName", "Language=0x411 \x93\xFA\x96\x7B\x8C\xEA", 0x411},
                                           Language{"Hex", "Language=0x409", 0x409}, Language{"Decimal", "Language=1041", 0x411},
                                           Language{"UpperCaseKeyAndLeadingZero", "LANGUAGE = 0x0411", 0x411}, Language{"NameOnly", "Language=Japanese", 0},
                                           Language{"Empty", "Language=", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Only "No" turns search off; anything else, or nothing, leaves it on.
TEST(Project, FullTextSearchIsOnUnlessTheProjectSaysNo) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"Full-text search=Yes\n", true},
        {"Full-text search=No\n", false},
        {"  FULL-TEXT SEARCH  =  no \t\r\n", false},
        {"Full-text search=\n", true},
        {"Full text search=No\n", true},  // another key
    };
    for (const auto& [line, on] : cases) {
        auto project = hhc::ParseProject(std::string("[OPTIONS]\nCompiled file=x.chm\nError log file=l.log\n") + line +
                                         "[FILES]\na.htm\n");
        ASSERT_TRUE(project.ok()) << line;
        EXPECT_EQ(project->full_text_search, on) << line;
    }
}

// Each option line alone in a project; what it sets, and whether the compiler must say it
// does not honour it.
struct OptionCase {
    const char* name;
    const char* line;
    const char* ignored;  // the log's name for it; nullptr when honoured
    std::function<void(const hhc::Project&)> check;
};

class ProjectOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ProjectOption, IsTakenOrNamedAsIgnored) {
    auto project = hhc::ParseProject("[OPTIONS]\r\nCompiled file=a.chm\r\n" + std::string(GetParam().line) +
                                     "\r\n[FILES]\r\na.html\r\n");
    ASSERT_TRUE(project.ok()) << project.error().message;
    if (GetParam().ignored) EXPECT_EQ(project->ignored, std::vector<std::string>{GetParam().ignored});
    else EXPECT_TRUE(project->ignored.empty()) << project->ignored.front();
    if (GetParam().check) GetParam().check(*project);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProjectOption,
    ::testing::Values(
        OptionCase{"IndexFile", "Index file=sub\\keys.hhk", nullptr, [](const hhc::Project& p) { EXPECT_EQ(p.index_file, "sub\\keys.hhk"); }},
        OptionCase{"DefaultWindow", "Default Window = main ", nullptr, [](const hhc::Project& p) { EXPECT_EQ(p.default_window, "main"); }},
        OptionCase{"DefaultFont", "Default Font=MS Sans Serif,8,0", nullptr,
                   [](const hhc::Project& p) { EXPECT_EQ(p.default_font, "MS Sans Serif,8,0"); }},
        OptionCase{"SearchOff", "Full-text search=No", nullptr, [](const hhc::Project& p) { EXPECT_FALSE(p.full_text_search); }},
        OptionCase{"SearchOnInUpperCase", "FULL-TEXT SEARCH=Yes", nullptr, [](const hhc::Project& p) { EXPECT_TRUE(p.full_text_search); }},
        OptionCase{"SearchOnWhenAbsent", "Title=x", nullptr, [](const hhc::Project& p) { EXPECT_TRUE(p.full_text_search); }},
        OptionCase{"Compatibility11OrLater", "Compatibility=1.1 or later", nullptr, nullptr}, OptionCase{"Compatibility11", "Compatibility=1.1", nullptr, nullptr},
        OptionCase{"BinaryTocOff", "Binary TOC=No", nullptr, [](const hhc::Project& p) { EXPECT_FALSE(p.binary_toc); }},
        OptionCase{"BinaryIndexOff", "Binary Index=NO", nullptr, [](const hhc::Project& p) { EXPECT_FALSE(p.binary_index); }},
        OptionCase{"BinaryTocOn", "Binary TOC=Yes", nullptr, [](const hhc::Project& p) { EXPECT_TRUE(p.binary_toc); }},
        OptionCase{"BinaryIndexOn", "Binary Index=Yes", nullptr, nullptr},
        OptionCase{"AutoIndexOn", "Auto Index = Yes ", nullptr, [](const hhc::Project& p) { EXPECT_TRUE(p.auto_index); }},
        OptionCase{"ChoicesWhenAbsent", "Language=0x411", nullptr,
                   [](const hhc::Project& p) { EXPECT_TRUE(p.binary_index && !p.binary_toc && !p.auto_index); }},
        OptionCase{"CompileProgressOff", "Display compile progress=No", nullptr, [](const hhc::Project& p) { EXPECT_FALSE(p.show_progress); }}, OptionCase{"ChiFileOff", "Create CHI file=No", nullptr, nullptr},
        OptionCase{"Compatibility10Ignored", "Compatibility=1.0", "option Compatibility=1.0", nullptr},
        OptionCase{"ChiFileIgnored", "Create CHI file=Yes", "option Create CHI file=Yes", nullptr},
        OptionCase{"CompileProgressOn", "Display compile progress=Yes", nullptr, [](const hhc::Project& p) { EXPECT_TRUE(p.show_progress); }},
        OptionCase{"ThreadsCapped", "Threads= 1", nullptr, [](const hhc::Project& p) { EXPECT_EQ(p.threads, 1u); }},
        OptionCase{"ThreadsNotANumber", "Threads=many", "option Threads=many", [](const hhc::Project& p) { EXPECT_EQ(p.threads, 0u); }},
        OptionCase{"StopListIgnored", "Full text search stop list file=doc.stp", "option Full text search stop list file=doc.stp", nullptr},
        OptionCase{"SampleListIgnored", "Sample list file=s.txt", "option Sample list file=s.txt", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Project, KeepsItsSectionsAndNamesThoseItDoesNotCompile) {
    auto project = hhc::ParseProject(
        "[OPTIONS]\nCompiled file=a.chm\n[WINDOWS]\nmain=\"A\",\"a.hhc\"\n  second=\"B\"  \n[INFOTYPES]\n\n"
        "[MAP]\n#define IDH_A 1\n#define IDH_B 2\n[ALIAS]\nIDH_A=a.html\n[MERGE FILES]\nother.chm\n"
        "[TEXT POPUPS]\npop.txt\n[SUBSETS]\ns=x\n[FILES]\na.html\n");
    ASSERT_TRUE(project.ok()) << project.error().message;
    EXPECT_EQ(project->windows, (std::vector<std::string>{"main=\"A\",\"a.hhc\"", "second=\"B\""}));
    EXPECT_EQ(project->map_lines, (std::vector<std::string>{"#define IDH_A 1", "#define IDH_B 2"}));
    EXPECT_EQ(project->alias_lines, std::vector<std::string>{"IDH_A=a.html"});
    EXPECT_EQ(project->merge_files, std::vector<std::string>{"other.chm"});
    EXPECT_EQ(project->text_popups, std::vector<std::string>{"pop.txt"});
    // An empty section asks for nothing; each other one is named once.
    EXPECT_EQ(project->ignored, std::vector<std::string>{"section [SUBSETS]"});
    EXPECT_EQ(project->files, std::vector<std::string>{"a.html"});
}

// Documentation tools write projects without a log: the compiler then reports on the console.
TEST(Project, NeedsNoLog) {
    auto project = hhc::ParseProject("[OPTIONS]\r\nCompiled file=doc.chm\r\nDefault topic=index.html\r\n");
    ASSERT_TRUE(project.ok()) << project.error().message;
    EXPECT_TRUE(project->log_file.empty());
}

}  // namespace

namespace {

// Whatever the file's encoding, the values come out as UTF-8.
TEST(Project, ReadsEveryEncodingItsAuthorsKeepItIn) {
    const std::string files = "\r\n[FILES]\r\na.html\r\n", body = "[OPTIONS]\r\nCompiled file=x.chm\r\nTitle=";
    std::string utf16 = "\xFF\xFE";  // "@" stands for ヘ, U+30D8
    for (char c : body + "@" + files) utf16 += c == '@' ? std::string("\xD8\x30") : std::string{c, '\0'};
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF" + body + "ヘルプ" + files, "ヘルプ"},
        {body + "ヘルプ" + files, "ヘルプ"},
        {body + "\x83\x77\x83\x8B\x83\x76" + files, "ヘルプ"},  // code page 932 when no language is named
        {body + "Caf\xE9\r\nLanguage=0x409" + files, "Café"},
        {utf16, "ヘ"},
    };
    for (const auto& [text, title] : cases) {
        auto project = hhc::ParseProject(text);
        ASSERT_TRUE(project.ok()) << project.error().message;
        EXPECT_EQ(project->title, title);
        EXPECT_EQ(project->files, std::vector<std::string>{"a.html"});
    }
}

// Found by the fuzz target: bytes of code page 932 behind a UTF-8 BOM came through as they were.
TEST(Project, CodePageTextBehindAUtf8BomStillGivesUtf8) {
    auto project = hhc::ParseProject("\xEF\xBB\xBF[OPTIONS]\nCompiled file=\x83\x77.chm\n[FILES]\na\x95\x5C.html\n");
    ASSERT_TRUE(project.ok()) << project.error().message;
    EXPECT_EQ(project->compiled_file, "\xEF\xBF\xBDw.chm");
    EXPECT_EQ(project->files, std::vector<std::string>{"a\xEF\xBF\xBD\\.html"});
}

}  // namespace

struct Unhonoured {
    std::string ignored, line;
};

class UnhonouredLineOf : public ::testing::TestWithParam<Unhonoured> {};

// Each line says what the compiled file lacks, whatever case the project wrote the key in.
TEST_P(UnhonouredLineOf, NamesWhatTheCompiledFileLacks) {
    EXPECT_EQ(hhc::UnhonouredLine(GetParam().ignored), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnhonouredLineOf,
    ::testing::Values(
        Unhonoured{"option Create CHI file=Yes",
                   "Warning: the option Create CHI file=Yes is not supported and was ignored: no separate .chi file "
                   "is written; the index stays inside the compiled file."},
        Unhonoured{"option custom TAB =x", "Warning: the option custom TAB =x is not supported and was ignored: the "
                                           "navigation pane has no custom tab."},
        Unhonoured{"section [SUBSETS]", "Warning: the section [SUBSETS] is not supported and was ignored: the compiled "
                                        "file has no subsets: its contents and search cover every topic."},
        Unhonoured{"section [Odd]", "Warning: the section [Odd] is not supported and was ignored: nothing in the "
                                    "compiled file comes from it."},
        Unhonoured{"option Whatever=1", "Warning: the option Whatever=1 is not supported and was ignored: the compiler "
                                        "does not know this option; nothing was done with it."}),
    [](const auto& info) { return tess_test::CaseName(info.param.ignored); });
