#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hhc_fixture.h"

namespace {

using namespace hhc_test;

const std::string kOldChm = "an earlier compiled file, to be kept as it is";

class Failure : public HhcFixture {
protected:
    void SetUp() override {
        tree.Write("プログラム フォルダ/Dummy.chm", kOldChm);
        page = tree.Write("ページ 集/ページ.html", "<html><head><title>題</title></head><body>本文</body></html>");
    }

    // Runs hhc on `project` and checks what every failure must leave; gives the log.
    std::string ExpectFailure(const std::string& project) {
        Exit exit = RunHhc(project, options);
        EXPECT_EQ(exit.code, kFailedStatus);
        EXPECT_EQ(exit.signal, 0);
        std::string log = ReadLog(Log());
        EXPECT_EQ(log.find("Created"), std::string::npos) << log;
        EXPECT_NE(log.find("Error: "), std::string::npos) << log;
        EXPECT_EQ(log.back(), '\n');
        EXPECT_EQ(ReadFile(Chm()), kOldChm);
        ExpectNoTemporaries();
        return log;
    }

    std::string page;
};

TEST_F(Failure, PageMissing) {
    std::string log = ExpectFailure(ProjectFor(pages + "無い.html"));
    EXPECT_NE(log.find("無い.html does not exist"), std::string::npos) << log;
}

TEST_F(Failure, PageIsAFolder) {
    std::filesystem::create_directories(pages + "folder.html");
    EXPECT_NE(ExpectFailure(ProjectFor(pages + "folder.html")).find("not a file"), std::string::npos);
}

TEST_F(Failure, PageUnreadable) {
    ASSERT_NO_FATAL_FAILURE(RunAsOrdinaryUser());
    std::filesystem::permissions(page, std::filesystem::perms::none);
    EXPECT_NE(ExpectFailure(ProjectFor(page)).find("cannot be read"), std::string::npos);
}

// The program takes "Created" anywhere in any line as success; a path must not fake it.
TEST_F(Failure, PathContainingTheSuccessWordDoesNotFakeSuccess) {
    std::filesystem::create_directories(pages + "Created");
    ExpectFailure(ProjectFor(pages + "Created/gone.html"));
}

struct BrokenProject {
    const char* name;
    const char* options_lines;  // between [Options] and [Files]
    const char* reason;
};

class FailureProject : public Failure, public ::testing::WithParamInterface<BrokenProject> {};

TEST_P(FailureProject, ProjectMalformed) {
    std::string text = "[Options]\r\nError log file=" + Log() + "\r\n" + GetParam().options_lines + "\r\n[Files]\r\n";
    std::string log = ExpectFailure(ProjectOf(text));
    EXPECT_NE(log.find(GetParam().reason), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(Projects, FailureProject,
                         ::testing::Values(BrokenProject{"NoPage", "Compiled file=/c.chm", "no page"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(Failure, CompiledFileFolderMissing) {
    std::string text = "[Options]\r\nCompiled file=" + program + "gone/Dummy.chm\r\nError log file=" + Log() +
                       "\r\n[Files]\r\n" + page + "\r\n";
    EXPECT_NE(ExpectFailure(ProjectOf(text)).find("cannot be written"), std::string::npos);
}

// A file-size limit stands in for a full disk: the compiled file does not fit.
TEST_F(Failure, DiskFull) {
    page = tree.Write("ページ 集/big.html", "<img src=\"a.png\"><img src=\"b.png\">");
    tree.Write("ページ 集/a.png", NoiseBytes(100000, 5));
    tree.Write("ページ 集/b.png", NoiseBytes(100000, 6));
    options.file_size_limit = 150000;
    std::string log = ExpectFailure(ProjectFor(page));
    EXPECT_NE(log.find("cannot be written: File too large"), std::string::npos) << log;
}

// A page whose name the compiled file keeps for itself cannot be compiled; it is not
// stored under another name, which would break every link to it.
TEST_F(Failure, PageNamedLikeAnInternalEntry) {
    std::string log = ExpectFailure(ProjectFor(tree.Write("ページ 集/#SYSTEM.html", "<p>x</p>")));
    EXPECT_NE(log.find("#SYSTEM.html cannot be compiled"), std::string::npos) << log;
}

}  // namespace
