// The program's own file layer against the real hhc: the rename probe sees "in use" while
// hhc works and succeeds once it is done, and the log then holds the success line.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "hhc_fixture.h"
#include "platform/posix/posix_files.h"

namespace {

using namespace hhc_test;

class Protocol : public HhcFixture {
protected:
    void SetUp() override {
        page = tree.Write("ページ 集/説明.html", "<title>説明</title><p>本文</p>");
        WriteScript(tree.Path("slow engine.sh"),
                    "while [ ! -e \"$HHC_TEST_GO\" ]; do sleep 0.01; done\nexec chmcmd \"$@\"");
        options.env["TESSALINE_CHMCMD"] = tree.Path("slow engine.sh");
        options.env["HHC_TEST_GO"] = tree.Path("go");
    }

    bool AwaitLog(pid_t pid) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!files.Exists(Log())) {
            if (std::chrono::steady_clock::now() > deadline || waitpid(pid, nullptr, WNOHANG) == pid) return false;
        }
        return true;
    }

    tess::PosixFiles files;
    std::string page;
};

TEST_F(Protocol, RenameProbeSeesInUseUntilHhcLetsGo) {
    pid_t pid = StartHhc(ProjectFor(page), options);
    ASSERT_TRUE(AwaitLog(pid));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(files.Rename(Log(), Log() + ".bak"), tess::RenameResult::in_use);
    EXPECT_TRUE(files.Exists(Log()));
    EXPECT_FALSE(files.Exists(Log() + ".bak"));

    tree.Write("go", "");
    ASSERT_EQ(WaitProcess(pid).code, 0);
    ASSERT_EQ(files.Rename(Log(), Log() + ".bak"), tess::RenameResult::ok);
    ASSERT_EQ(files.Rename(Log() + ".bak", Log()), tess::RenameResult::ok);
    auto lines = files.ReadLines(Log());
    ASSERT_TRUE(lines.ok());
    EXPECT_TRUE(std::any_of(lines->begin(), lines->end(),
                            [](const std::string& l) { return l.find("Created") != std::string::npos; }));
}

TEST_F(Protocol, AFailedCompilationLetsGoWithoutTheSuccessLine) {
    tree.Write("go", "");
    pid_t pid = StartHhc(ProjectFor(pages + "gone.html"), options);
    ASSERT_EQ(WaitProcess(pid).code, 1);
    ASSERT_EQ(files.Rename(Log(), Log() + ".bak"), tess::RenameResult::ok);
    auto lines = files.ReadLines(Log() + ".bak");
    ASSERT_TRUE(lines.ok());
    ASSERT_FALSE(lines->empty());
    for (const auto& l : *lines) EXPECT_EQ(l.find("Created"), std::string::npos) << l;
}

}  // namespace
