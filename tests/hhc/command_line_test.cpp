#include <gtest/gtest.h>

#include "hhc/command_line.h"

namespace {

TEST(CommandLine, TakesTheProjectAndAThreadCountInEverySpelling) {
    struct Case {
        std::vector<std::string> args;
        const char* project;  // nullptr: refused
        unsigned threads;
    } cases[] = {
        {{"a.hhp"}, "a.hhp", 0},
        {{"-j", "2", "a.hhp"}, "a.hhp", 2},
        {{"a.hhp", "--threads", "3"}, "a.hhp", 3},
        {{"-j4", "a.hhp"}, "a.hhp", 4},
        {{"--threads=1", "my project.hhp"}, "my project.hhp", 1},
        {{}, nullptr, 0},
        {{"-j", "0", "a.hhp"}, nullptr, 0},
        {{"-j", "two", "a.hhp"}, nullptr, 0},
        {{"a.hhp", "-j"}, nullptr, 0},
        {{"a.hhp", "b.hhp"}, nullptr, 0},
    };
    for (const auto& c : cases) {
        auto line = hhc::ParseCommandLine(c.args);
        ASSERT_EQ(line.ok(), c.project != nullptr) << (c.args.empty() ? "" : c.args.back());
        if (!line) continue;
        EXPECT_EQ(line->project, c.project);
        EXPECT_EQ(line->threads, c.threads);
    }
}

}  // namespace
