#include "hhc/collect.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "temp_tree.h"

namespace {

using hhc_test::TempTree;

// Runs `check` in a child that, when the test runs as root, becomes "nobody" (root reads every file).
bool AsOrdinaryUser(const std::function<bool()>& check) {
    const pid_t pid = fork();
    if (pid == 0) {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setresgid(kNobody, kNobody, kNobody) != 0 || setresuid(kNobody, kNobody, kNobody) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool Has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::vector<std::string> NamesOf(const hhc::Collection& c) {
    std::vector<std::string> names;
    for (const auto& f : c.files) names.push_back(f.name);
    return names;
}

const hhc::CollectedFile* FileOf(const hhc::Collection& c, const std::string& name) {
    for (const auto& f : c.files)
        if (f.name == name) return &f;
    return nullptr;
}

// name -> reason
std::map<std::string, std::string> LeftOutOf(const hhc::Collection& c) {
    std::map<std::string, std::string> out;
    for (const auto& l : c.left_out) out[l.name] = l.reason;
    return out;
}

TEST(Collect, TakesThePageAndWhatItNeeds) {
    TempTree t;
    t.Write("docs/img/写真.png", "png");
    t.Write("docs/css/main.css", "@import 'base.css'; body{background:url(../img/bg.png)}");
    t.Write("docs/css/base.css", "p{background:url(\"dots.gif\")}");
    t.Write("docs/css/dots.gif", "gif");
    t.Write("docs/img/bg.png", "bg");
    t.Write("docs/sub/next.html", "<img src='../img/next.png'><a href='../index.html'>back</a>");
    t.Write("docs/img/next.png", "next");
    t.Write("docs/notes.pdf", "pdf");
    t.Write("docs/unused.png", "unused");
    t.Write("outside.png", "outside");
    std::string page = t.Write("docs/index.html",
                               "<title>目次</title><link rel=stylesheet href='css/main.css'>"
                               "<img src='img/%E5%86%99%E7%9C%9F.png'><img src='../outside.png'>"
                               "<a href='sub/next.html'>n</a><a href='notes.pdf'>pdf</a><img src='img/gone.png'>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok()) << c.error().message;
    EXPECT_EQ(c->root, t.Path("docs"));
    ASSERT_FALSE(c->files.empty());
    EXPECT_EQ(c->files.front().name, "index.html");
    EXPECT_EQ(c->files.front().title, "目次");
    EXPECT_TRUE(c->files.front().page);
    EXPECT_EQ(*hhc::ReadCollected(*FileOf(*c, "img/写真.png")), "png");
    EXPECT_FALSE(FileOf(*c, "img/写真.png")->page);
    std::vector<std::string> expected = {"index.html",    "css/main.css", "css/base.css", "css/dots.gif", "img/bg.png",
                                         "img/写真.png", "sub/next.html", "img/next.png"};
    std::vector<std::string> got = NamesOf(*c);
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
    EXPECT_EQ(LeftOutOf(*c), (std::map<std::string, std::string>{{"img/gone.png", "it was not found."},
                                                                   {"../outside.png", "it lies outside the page's folder."}}));
}

// SVG inline in a page and in a drawing of its own: <image> and <use> name files, in either
// spelling of href; "#id" is a place inside the same drawing, and a CSS escape is decoded.
TEST(Collect, FollowsSvgReferencesAndCssEscapes) {
    TempTree t;
    for (const char* name : {"photo.png", "old.png", "i4.png", "inner.png", "icon.png"}) t.Write(name, name);
    t.Write("sprites.svg", "<?xml version='1.0'?><svg xmlns:xlink='http://www.w3.org/1999/xlink'>"
                           "<style>g{fill:url(inner.png)}</style><image xlink:href='icon.png'/>"
                           "<use href='#shape'/><symbol id='shape'/></svg>");
    std::string page = t.Write("page.htm", "<svg><image href='photo.png'/><image xlink:href='old.png'/>"
                                           "<use xlink:href='sprites.svg#shape'/><use href='#local'/></svg>"
                                           "<p style='background:url(i\\34.png)'>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok()) << c.error().message;
    std::vector<std::string> got = NamesOf(*c);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"i4.png", "icon.png", "inner.png", "old.png", "page.htm", "photo.png",
                                             "sprites.svg"}));
    EXPECT_TRUE(c->left_out.empty()) << c->left_out.front().name;
}

TEST(Collect, KeepsOutLinksThatLeaveTheTree) {
    TempTree t;
    t.Write("secret.png", "secret");
    t.Write("docs/x.txt", "x");
    std::filesystem::create_symlink(t.Path("secret.png"), t.Path("docs/leak.png"));
    std::string page = t.Write("docs/a.htm", "<img src='leak.png'>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(NamesOf(*c), std::vector<std::string>{"a.htm"});
    EXPECT_EQ(LeftOutOf(*c)["leak.png"], "it lies outside the page's folder through a link.");
}

TEST(Collect, FollowsACycleOfPagesOnce) {
    TempTree t;
    t.Write("a.html", "<a href='b.html'>b</a>");
    t.Write("b.html", "<a href='a.html'>a</a><a href='./b.html#self'>self</a>");
    auto c = hhc::CollectFiles(t.Path("a.html"));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(NamesOf(*c), (std::vector<std::string>{"a.html", "b.html"}));
}

// Written on Windows, where the spelling of a name does not matter.
TEST(Collect, FindsFilesSpelledInAnotherCase) {
    TempTree t;
    t.Write("Images/Logo.PNG", "logo");
    t.Write("style.css", "x{background:url(IMAGES/logo.png)}");
    t.Write("Next.HTML", "<img src='images/LOGO.png'>");
    std::string page = t.Write("a.htm", "<img src='images/logo.png'><link href='STYLE.CSS'><a href='next.html'>n</a>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok());
    // One copy under the first spelling met; the others name the same file.
    EXPECT_EQ(NamesOf(*c), (std::vector<std::string>{"a.htm", "images/logo.png", "STYLE.CSS", "next.html"}));
    EXPECT_EQ(*hhc::ReadCollected(*FileOf(*c, "images/logo.png")), "logo");
    EXPECT_EQ(*hhc::ReadCollected(*FileOf(*c, "STYLE.CSS")), "x{background:url(IMAGES/logo.png)}");
    EXPECT_TRUE(c->left_out.empty());
}

// Two files that differ only in case are one name inside a compiled file: the second is named.
TEST(Collect, NamesASecondFileSpelledTheSameButForCase) {
    TempTree t;
    t.Write("a.png", "lower");
    t.Write("A.png", "upper");
    std::string page = t.Write("p.htm", "<img src='a.png'><img src='A.png'><img src='a.PNG'>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(NamesOf(*c), (std::vector<std::string>{"p.htm", "a.png"}));
    EXPECT_EQ(*hhc::ReadCollected(*FileOf(*c, "a.png")), "lower");
    ASSERT_EQ(c->left_out.size(), 1u);
    EXPECT_EQ(c->left_out[0].name, "A.png");
}

// A <base> moves where the page's relative references start.
TEST(Collect, FollowsTheBaseFolder) {
    TempTree t;
    t.Write("sub/a.png", "a");
    std::string page = t.Write("p.htm", "<base href='sub/'><img src='a.png'>");
    auto c = hhc::CollectFiles(page);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(NamesOf(*c), (std::vector<std::string>{"p.htm", "sub/a.png"}));
}

TEST(Collect, StopsAtTheFileLimit) {
    TempTree t;
    std::string html;
    for (int i = 0; i < 50; ++i) {
        t.Write("p" + std::to_string(i) + ".png", "x");
        html += "<img src='p" + std::to_string(i) + ".png'>";
    }
    t.Write("big.html", html);
    auto c = hhc::CollectFiles(t.Path("big.html"), 10);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c->files.size(), 10u);
    // Not one left out in silence.
    ASSERT_EQ(c->left_out.size(), 41u);
    EXPECT_EQ(c->left_out.back().name, "p49.png");
    EXPECT_EQ(c->left_out.back().reason, "the limit of 10 files was reached.");
}

TEST(Collect, FailsForAMissingPageOrAFolder) {
    TempTree t;
    auto missing = hhc::CollectFiles(t.Path("nothere.html"));
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().message.find("does not exist"), std::string::npos);
    std::filesystem::create_directory(t.Path("dir.html"));
    auto folder = hhc::CollectFiles(t.Path("dir.html"));
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().message.find("not a file"), std::string::npos);
}

TEST(Collect, FailsForAnUnreadablePage) {
    TempTree t;
    std::string page = t.Write("locked.html", "<p>x</p>");
    std::filesystem::permissions(page, std::filesystem::perms::none);
    std::filesystem::permissions(t.root(), std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        auto c = hhc::CollectFiles(page);
        return !c.ok() && c.error().message.find("cannot be read") != std::string::npos;
    }));
}

}  // namespace

namespace {

// A help project's files: several named pages, a contents file naming one more page.
TEST(CollectTree, TakesEveryNamedFileFirstAndWhatTheyAndTheContentsNeed) {
    TempTree t;
    std::string index = t.Write("help/index.html", "<title>目次</title><link rel=stylesheet href='style.css'>");
    std::string usage = t.Write("help/sub/usage.html", "<img src='../img/a.png'>");
    std::string toc = t.Write("help/toc.hhc",
                              "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"x\">"
                              "<param name=\"Local\" value=\"only-in-toc.html\"></OBJECT></UL>");
    t.Write("help/style.css", "body{}");
    t.Write("help/img/a.png", "a");
    t.Write("help/only-in-toc.html", "<p>toc</p>");
    auto c = hhc::CollectTree(t.Path("help"), {index, usage, index, toc});
    ASSERT_TRUE(c.ok()) << c.error().message;
    ASSERT_GE(c->files.size(), 3u);
    EXPECT_EQ(c->files[0].name, "index.html");
    EXPECT_EQ(c->files[0].title, "目次");
    auto names = NamesOf(*c);
    for (const char* name : {"sub/usage.html", "toc.hhc", "style.css", "img/a.png", "only-in-toc.html"})
        EXPECT_TRUE(Has(names, name)) << name;
    EXPECT_EQ(std::count(names.begin(), names.end(), "index.html"), 1);
    EXPECT_FALSE(FileOf(*c, "toc.hhc")->page);
}

// Files are scanned on threads, the next ones while those before are taken: more pages than a
// batch, each finding new ones, a missing one and a twin in case, gather the same at any count.
TEST(CollectTree, GathersTheSameOnAnyNumberOfThreads) {
    TempTree t;
    std::vector<std::string> named;
    for (int i = 0; i < 200; ++i) {
        const std::string n = std::to_string(i);
        std::string page = "<title>P" + n + "</title><a href='p" + std::to_string(i * 7 % 201) + ".html'></a>";
        page += "<a href='found" + std::to_string(i / 3) + ".html'></a><img src='" + (i % 2 ? "A.png" : "a.png") + "'>";
        page += "<img src='gone" + std::to_string(i % 5) + ".png'>";
        std::string path = t.Write("help/p" + n + ".html", page);
        if (i % 4 == 0) named.push_back(path);
        t.Write("help/found" + std::to_string(i / 3) + ".html", "<a href='p" + std::to_string(i) + ".html'></a>");
    }
    t.Write("help/a.png", "a");
    t.Write("help/A.png", "A");
    // A long contents file, named last, is scanned before its turn when there are threads.
    std::string toc = "<UL>";
    for (int i = 0; toc.size() < (4u << 20) + 1000; ++i)
        toc += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"p" + std::to_string(i % 300) + ".html\"></OBJECT>";
    named.push_back(t.Write("help/toc.hhc", toc + "<LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"toc-only.png\"></OBJECT></UL>"));
    t.Write("help/toc-only.png", "t");
    auto gathered = [&](unsigned threads) {
        auto c = hhc::CollectTree(t.Path("help"), named, hhc::kMaxFiles, threads);
        EXPECT_TRUE(c.ok());
        std::vector<std::string> seen = NamesOf(*c);
        for (const auto& f : c->files) seen.push_back(f.title);
        for (const auto& l : c->left_out) seen.push_back(l.name + ": " + l.reason);
        return seen;
    };
    const auto one = gathered(1);
    EXPECT_GT(one.size(), 500u);
    EXPECT_NE(std::find(one.begin(), one.end(), "toc-only.png"), one.end());
    for (unsigned threads : {2u, 3u}) EXPECT_EQ(gathered(threads), one) << threads;
}

TEST(CollectTree, LeavesOutAMissingNamedFileButNotAMissingDefaultTopic) {
    TempTree t;
    std::string index = t.Write("help/index.html", "x");
    auto c = hhc::CollectTree(t.Path("help"), {index, t.Path("help/gone.png")});
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c->left_out.size(), 1u);
    EXPECT_EQ(c->left_out[0].name, t.Path("help/gone.png"));
    EXPECT_EQ(c->left_out[0].reason, "does not exist.");
    EXPECT_TRUE(c->left_out[0].listed);
    auto none = hhc::CollectTree(t.Path("help"), {t.Path("help/gone.html"), index});
    ASSERT_FALSE(none.ok());
    EXPECT_NE(none.error().message.find("The page " + t.Path("help/gone.html") + " does not exist"), std::string::npos);
}

struct Common {
    const char* name;
    std::vector<std::string> paths;
    std::string folder;
};

class CommonFolderOf : public ::testing::TestWithParam<Common> {};

TEST_P(CommonFolderOf, IsTheDeepestSharedFolder) { EXPECT_EQ(hhc::CommonFolder(GetParam().paths), GetParam().folder); }

INSTANTIATE_TEST_SUITE_P(
    Paths, CommonFolderOf,
    ::testing::Values(Common{"OnePage", {"/a/b/p.html"}, "/a/b"}, Common{"Subfolder", {"/a/b/p.html", "/a/b/c/q.html"}, "/a/b"},
                      Common{"SiblingFolders", {"/a/b/p.html", "/a/x/q.html", "/a/b/r.css"}, "/a"},
                      Common{"DotsInPaths", {"/a/./b/p.html", "/a/b/../b/q.html"}, "/a/b"}, Common{"OnlyTheRoot", {"/a/p.html", "/z/q.html"}, "/"},
                      Common{"PrefixIsNotAFolder", {"/a/bc/p.html", "/a/b/q.html"}, "/a"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

struct RootCase {
    std::string name, project, default_topic, root;
};

class ProjectRootOf : public ::testing::TestWithParam<RootCase> {};

// The project's folder bounds every reference; a default topic elsewhere (the program's own
// projects, made in a work folder) brings its own folder instead.
TEST_P(ProjectRootOf, IsTheProjectsFolderUnlessTheDefaultTopicLiesOutside) {
    EXPECT_EQ(hhc::ProjectRoot(GetParam().project, GetParam().default_topic), GetParam().root);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProjectRootOf,
                         ::testing::Values(RootCase{"TopicBeside", "/p/help.hhp", "/p/index.html", "/p"},
                                           RootCase{"TopicInASubfolder", "/p/help.hhp", "/p/html/sub/index.html", "/p"},
                                           RootCase{"TopicElsewhere", "/work/t.hhp", "/home/u/site/page.htm", "/home/u/site"},
                                           RootCase{"TopicInTheParent", "/p/a/help.hhp", "/p/index.html", "/p"}),
                         [](const auto& info) { return info.param.name; });

TEST(CollectTree, AListedFileOutsideTheRootIsLeftOutAndNamed) {
    TempTree t;
    std::string index = t.Write("help/index.html", "<a href=\"../up.html\">x</a>");
    std::string outside = t.Write("up.html", "y");
    auto c = hhc::CollectTree(t.Path("help"), {index, outside});
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c->root, t.Path("help"));
    ASSERT_EQ(c->files.size(), 1u);
    ASSERT_FALSE(c->left_out.empty());
    EXPECT_EQ(c->left_out[0].name, outside);
    EXPECT_EQ(c->left_out[0].reason, "lies outside the folder " + t.Path("help") + ".");
}
