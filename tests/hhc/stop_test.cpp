// A stop signal ends hhc soon whatever it is doing: while it gathers files, while it indexes
// their words and while it compresses them. Measured against the same project run whole.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "hhc_fixture.h"
#include "tests/support/case_name.h"

namespace {

using namespace hhc_test;
using Clock = std::chrono::steady_clock;

struct StopCase {
    const char* phase;
    double read_share;  // the signal comes once hhc has read this share of the pages' bytes
};

class Stop : public HhcFixture, public ::testing::WithParamInterface<StopCase> {
protected:
    // Pages of random words, each linking the next: slow to index and to compress.
    std::string LargeProject(int pages_count, size_t page_bytes) {
        std::mt19937 random(21);
        for (int i = 0; i < pages_count; ++i) {
            std::string body = "<title>Page " + std::to_string(i) + "</title><a href=p" + std::to_string(i + 1) + ".htm>n</a>";
            while (body.size() < page_bytes) {
                for (int n = 3 + random() % 6; n > 0; --n) body += static_cast<char>('a' + random() % 26);
                body += ' ';
            }
            total_bytes += body.size();
            tree.Write("ページ 集/p" + std::to_string(i) + ".htm", body);
        }
        return ProjectFor(pages + "p0.htm");
    }
    long long total_bytes = 0;
};

double SecondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

TEST_P(Stop, EndsLongBeforeTheWholeRunWould) {
    std::string project = LargeProject(600, 12000);
    auto start = Clock::now();
    ASSERT_EQ(RunHhc(project, options).code, hhc_test::kCreatedStatus);
    double whole = SecondsSince(start);
    ASSERT_GT(whole, 2.0) << "the project is too small to tell";
    std::filesystem::remove(Chm());

    pid_t pid = StartHhc(project, options);
    ASSERT_TRUE(AwaitBytesRead(pid, static_cast<long long>(total_bytes * GetParam().read_share)));
    auto signalled = Clock::now();
    kill(pid, SIGTERM);
    Exit exit = WaitProcess(pid);
    double stopping = SecondsSince(signalled);
    EXPECT_EQ(exit.code, hhc_test::kFailedStatus);
    EXPECT_LT(stopping, whole / 4) << GetParam().phase << ": " << stopping << " s of a " << whole << " s run";
    EXPECT_NE(ReadLog(Log()).find("stopped"), std::string::npos) << ReadLog(Log());
    EXPECT_FALSE(std::filesystem::exists(Chm()));
    ExpectNoTemporaries();
}

INSTANTIATE_TEST_SUITE_P(Phases, Stop,
                         ::testing::Values(StopCase{"gathering", 0.02}, StopCase{"indexing and compressing", 1.0}),
                         [](const auto& info) { return tess_test::CaseName(info.param.phase); });

}  // namespace
