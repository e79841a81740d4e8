#include "tools/hhc/engine_verdict.h"

#include <signal.h>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    hhc::EngineOutcome outcome;
    const char* output;
    const char* head;
    const char* reason;  // nullptr: success
};

hhc::EngineOutcome Exited(int code) {
    hhc::EngineOutcome o;
    o.exit_code = code;
    return o;
}

hhc::EngineOutcome Signalled(int sig) {
    hhc::EngineOutcome o;
    o.signal = sig;
    return o;
}

hhc::EngineOutcome TimedOut() {
    hhc::EngineOutcome o = Signalled(SIGKILL);
    o.timed_out = true;
    return o;
}

class Verdict : public ::testing::TestWithParam<Case> {};

TEST_P(Verdict, JudgesByStatusOutputAndFile) {
    hhc::EngineReport report;
    report.name = "chmcmd";
    report.outcome = GetParam().outcome;
    report.timeout_ms = 1500;
    report.output = GetParam().output;
    report.head = GetParam().head;
    tess::Status status = hhc::JudgeEngine(report);
    if (!GetParam().reason) {
        EXPECT_TRUE(status.ok()) << status.error().message;
    } else {
        ASSERT_FALSE(status.ok());
        EXPECT_NE(status.error().message.find(GetParam().reason), std::string::npos) << status.error().message;
    }
}

const char* kBanner = "chmcmd, a CHM compiler. (c) 2010-2019 Free Pascal core.\n\nWriting CHM out.chm\n";

INSTANTIATE_TEST_SUITE_P(
    Runs, Verdict,
    ::testing::Values(
        Case{"Clean", Exited(0), kBanner, "ITSF", nullptr},
        Case{"WarningsAreFine", Exited(0), "Warning: Anchor x not found\n", "ITSF", nullptr},
        Case{"ErrorLineDespiteExitZero", Exited(0),
             "Error: Html parsing a.html, failed with a DOM error: EDOMError\r\n", "ITSF", "EDOMError"},
        Case{"MissingProject", Exited(0), "Can't find project file p.hhp\n", "", "wrote no compiled file"},
        Case{"Exception", Exited(217), "An unhandled exception occurred at $0000000000436A35:\nEFOpenError",
             "", "unhandled exception occurred"},
        Case{"RuntimeError", Exited(101), "Runtime error 101 at $000000000041A2B1\n", "", "Runtime error 101"},
        Case{"SilentExitStatus", Exited(3), "", "ITSF", "exit status 3"},
        Case{"Crash", Signalled(SIGSEGV), "", "", "crashed (SIGSEGV)"},
        Case{"Timeout", TimedOut(), "", "", "took longer than 1500 ms"},
        Case{"NotAChm", Exited(0), "", "junk", "not a compiled help file"},
        Case{"ShortFile", Exited(0), "", "IT", "not a compiled help file"}),
    [](const auto& info) { return info.param.name; });

TEST(Verdict, AStopRequestIsNotTheEnginesFault) {
    hhc::EngineReport report;
    report.name = "chmcmd";
    report.outcome = Signalled(SIGKILL);
    report.outcome.interrupted = true;
    tess::Status status = hhc::JudgeEngine(report);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().message, "The compilation was stopped.");
}

}  // namespace
