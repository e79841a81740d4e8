// A project whose compiled file or log names a file it reads (or each other) is refused with
// both paths named, and every file stays as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "hhc_fixture.h"
#include "tests/support/case_name.h"

namespace {

using namespace hhc_test;

struct OwnSourceCase {
    const char* what;
    const char* compiled;  // as the project writes them, relative to its folder
    const char* log;
    int exit_code;         // 2 when the log is a source (stderr says why); otherwise the refusal is in the log
    const char* kept;      // the file that must keep its bytes
    int listed = 0;        // pages listed besides p.htm (many/0.htm ...): a long list is checked on threads
};

class OwnSources : public HhcFixture, public ::testing::WithParamInterface<OwnSourceCase> {};

TEST_P(OwnSources, AreNeverWrittenOver) {
    const OwnSourceCase& c = GetParam();
    tree.Write("proj/p.htm", "<title>P</title><img src=\"img/a.png\"><a href=q.htm>q</a>");
    tree.Write("proj/q.htm", "<title>Q</title>q");
    tree.Write("proj/img/a.png", "png");
    tree.Write("proj/toc.hhc", "<ul><li><object type=\"text/sitemap\"><param name=\"Local\" value=\"p.htm\"></object></ul>");
    tree.Write("proj/map.h", "#define IDH_P 1");
    tree.Write("proj/popups.txt", ".topic 1\nhello");
    std::filesystem::create_directories(tree.Path("proj/sub"));
    std::filesystem::create_symlink(tree.Path("proj/p.htm"), tree.Path("proj/link.htm"));
    std::string files;
    for (int i = 0; i < c.listed; ++i) files += tree.Write("proj/many/" + std::to_string(i) + ".htm", "<title>M</title>") + "\n";
    std::string project = tree.Write("proj/t.hhp", std::string("[OPTIONS]\nCompiled file=") + c.compiled +
                                                       "\nError log file=" + c.log +
                                                       "\nDefault topic=p.htm\nContents file=toc.hhc\n"
                                                       "[FILES]\np.htm\n" + files + "[MAP]\n#include map.h\n"
                                                       "[TEXT POPUPS]\npopups.txt\n");
    std::map<std::string, std::string> before;
    for (const auto& e : std::filesystem::recursive_directory_iterator(tree.Path("proj")))
        if (e.is_regular_file()) before[e.path().string()] = ReadFile(e.path().string());
    std::string out = tree.Path("out.txt");
    Exit exit = WaitProcess(StartProcess({HHC_PATH, project}, options, out));
    EXPECT_EQ(exit.code, c.exit_code == 2 ? 2 : hhc_test::kFailedStatus) << c.what;
    for (const auto& [path, bytes] : before) EXPECT_EQ(ReadFile(path), bytes) << c.what << ": " << path;
    std::string said = c.exit_code == 2 ? ReadFile(out) : ReadLog(tree.Path("proj/" + std::string(c.log)));
    EXPECT_NE(said.find("nothing was written"), std::string::npos) << c.what << "\n" << said;
    EXPECT_NE(said.find(tree.Path("proj/" + std::string(c.kept))), std::string::npos) << c.what << "\n" << said;
    EXPECT_FALSE(std::filesystem::exists(tree.Path("proj/t.chm")));
}

INSTANTIATE_TEST_SUITE_P(
    Projects, OwnSources,
    ::testing::Values(OwnSourceCase{"the project as compiled file", "t.hhp", "t.log", 1, "t.hhp"},
                      OwnSourceCase{"a listed page through ..", "sub/../p.htm", "t.log", 1, "p.htm"},
                      OwnSourceCase{"a page through a link", "link.htm", "t.log", 1, "p.htm"},
                      OwnSourceCase{"a referred image", "img/a.png", "t.log", 1, "img/a.png"},
                      OwnSourceCase{"a linked page", "q.htm", "t.log", 1, "q.htm"},
                      OwnSourceCase{"a page among many", "many/1500.htm", "t.log", 1, "many/1500.htm", 2000},
                      OwnSourceCase{"the contents file", "toc.hhc", "t.log", 1, "toc.hhc"},
                      OwnSourceCase{"an included header", "map.h", "t.log", 1, "map.h"},
                      OwnSourceCase{"a popup file", "popups.txt", "t.log", 1, "popups.txt"},
                      OwnSourceCase{"the project as log", "t.chm", "t.hhp", 2, "t.hhp"},
                      OwnSourceCase{"a page as log", "t.chm", "sub/../p.htm", 2, "p.htm"},
                      OwnSourceCase{"a referred page as log", "t.chm", "q.htm", 2, "q.htm"},
                      OwnSourceCase{"the log as compiled file", "t.log", "t.log", 2, "t.log"}),
    [](const auto& info) { return tess_test::CaseName(info.param.what); });

}  // namespace
