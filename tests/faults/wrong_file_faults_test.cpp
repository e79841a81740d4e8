// Faults where a user could be handed a wrong or partial file, or be left with a compiler
// running and work files behind: each is stopped, and nothing the user had changes.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "tests/faults/convert_command.h"
#include "tests/posix/running_processes.h"
#include "tests/support/compiler_faults.h"

namespace tess::testing {
namespace {

constexpr const char* kPage = "<html><head><title>p</title></head><body>x</body></html>";

int ChildPid(ConvertWorld& world) {
    int pid = 0;
    std::ifstream(world.Path("child.pid")) >> pid;
    return pid;
}

bool HasWorkFolder(ConvertWorld& world) {
    for (const auto& [name, bytes] : Snapshot(world.Path("cache")))
        if (Has(name, "convert-")) return true;
    return false;
}

std::set<std::string> WorkFolders(ConvertWorld& world) {
    std::set<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(world.Path("cache"), ec))
        if (entry.is_directory() && Has(entry.path().filename().string(), "convert-")) found.insert(entry.path());
    return found;
}

TEST(WrongFileFaults, AFailedPageNeverReceivesTheEarlierPagesContent) {
    ConvertWorld world;
    const std::string first = world.Write("pages/first.htm", "<html><body>first's private text</body></html>");
    const std::string second = world.Write("pages/second.htm", kPage);
    // Its failure line carries the bytes "Created" inside a double-byte character.
    world.env["TEST_HHC_MISREAD_PAGE"] = "second.htm";
    const CommandResult r = world.Convert({first, second});
    EXPECT_EQ(r.exit_code, 1) << r.err;
    EXPECT_EQ(r.out, world.Path("pages/first.chm") + "\n");
    EXPECT_FALSE(Exists(world.Path("pages/second.chm")));
    EXPECT_TRUE(Has(r.err, second)) << r.err;
    EXPECT_TRUE(Has(r.err, CaseOf(CompilerFault::misread_created).told)) << r.err;
}

TEST(WrongFileFaults, TheLinkedPageIsTheOneCompiledAndPlacedBeside) {
    ConvertWorld world;
    world.Write("real/page.htm", "<html><body>the real page</body></html>");
    world.Write("page.htm", "<html><body>the text's neighbour</body></html>");
    std::filesystem::create_directories(world.Path("real/sub"));
    std::filesystem::create_symlink(world.Path("real/sub"), world.Path("link"));
    const CommandResult r = world.Convert({world.Path("link/../page.htm")});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    const std::string placed = std::filesystem::canonical(world.Path("real")).string() + "/page.chm";
    EXPECT_EQ(r.out, placed + "\n");
    EXPECT_EQ(Slurp(placed), "TESTCHM\n<html><body>the real page</body></html>");
    EXPECT_FALSE(Exists(world.Path("page.chm")));
}

TEST(StopFaults, GivingUpOnACompilerEndsEverythingItStarted) {
    ConvertWorld world;
    const std::string page = world.Write("pages/a.htm", kPage);
    world.env["TEST_HHC_MODE"] = "hang";
    world.env["TEST_HHC_CHILD_PID_FILE"] = world.Path("child.pid");
    const CommandResult r = world.Convert({"--time-limit", "1", page});
    EXPECT_EQ(r.exit_code, 1) << r.err;
    ASSERT_GT(ChildPid(world), 0);
    EXPECT_TRUE(WaitUntil([&] { return ProcessGone(ChildPid(world)); }, 3000)) << "the compiler's child still runs";
}

TEST(StopFaults, AStopSignalEndsTheCompilerAndRemovesTheWorkFolder) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ConvertWorld world;
        const std::string page = world.Write("pages/a.htm", kPage);
        world.env["TEST_HHC_MODE"] = "hang";
        world.env["TEST_HHC_CHILD_PID_FILE"] = world.Path("child.pid");
        const int pid = world.Start(CONVERT_PATH, {page});
        ASSERT_TRUE(WaitUntil([&] { return ChildPid(world) > 0; }, 3000)) << signal;
        ASSERT_TRUE(HasWorkFolder(world)) << signal;
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << ": " << status;
        EXPECT_TRUE(WaitUntil([&] { return ProcessGone(ChildPid(world)); }, 3000)) << signal;
        EXPECT_FALSE(HasWorkFolder(world)) << signal;
        EXPECT_FALSE(Exists(world.Path("pages/a.chm"))) << signal;
    }
}

TEST(StopFaults, AKilledRunTakesItsCompilerAlongAndTheNextRunRemovesWhatItLeft) {
    ConvertWorld world;
    const std::string page = world.Write("pages/a.htm", kPage);
    const std::string compiler = world.Path("compiler/hhc");
    world.env["TEST_HHC_MODE"] = "hang";
    const int killed = world.Start(CONVERT_PATH, {page});
    ASSERT_TRUE(WaitUntil([&] { return ProcessesWith(compiler).size() == 1; }, 3000));
    const pid_t orphan = ProcessesWith(compiler).front();
    const std::set<std::string> left = WorkFolders(world);
    ::kill(killed, SIGKILL);
    ::waitpid(killed, nullptr, 0);
    EXPECT_TRUE(WaitUntil([&] { return ProcessGone(orphan); }, 3000)) << "the compiler outlived its run";
    world.Start(CONVERT_PATH, {page});  // still running at the end; the world ends it
    ASSERT_TRUE(WaitUntil([&] { return ProcessesWith(compiler).size() == 1; }, 3000));
    const std::set<std::string> kept = WorkFolders(world);
    ASSERT_TRUE(left.size() == 1 && kept.size() == 1 && !kept.count(*left.begin())) << "the killed run's folder stays";
    world.env["TEST_HHC_MODE"] = "ok";
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(WorkFolders(world), kept) << "a running one's folder goes";
}

TEST(StopFaults, AStopDuringTheFinalCopyLeavesNoPartOfAFile) {
    ConvertWorld world;
    const std::string body(64 << 20, 'x');
    const std::string page = world.Write("pages/big.htm", body);
    const int pid = world.Start(CONVERT_PATH, {page});
    const auto copying = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(world.Path("pages")))
            if (entry.path().extension() == ".part") return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(copying, 60000)) << "the copy was never seen under its temporary name";
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    const auto left = Snapshot(world.Path("pages"));
    for (const auto& [name, bytes] : left) {
        EXPECT_FALSE(Has(name, ".part")) << name;
        if (name == "big.chm") {
            EXPECT_EQ(bytes.size(), 8 + body.size()) << "a part of a file under the real name";
        }
    }
}

TEST(WorkFolderFaults, AUserFolderWithoutACodePage932FormFallsBackToAPrivateOne) {
    ConvertWorld world;
    const std::string page = world.Write("pages/a.htm", kPage);
    world.env["XDG_CACHE_HOME"] = world.Path("Jos\xc3\xa9/cache");
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(Slurp(world.Path("pages/a.chm")), std::string("TESTCHM\n") + kPage);
}

TEST(CommandLineFaults, ATimeLimitThatDoesNotFitIsRefused) {
    ConvertWorld world;
    const std::string page = world.Write("pages/a.htm", kPage);
    for (const char* limit : {"2147484", "99999999999999999999", "0", "-1", "10x", "abc", ""}) {
        const CommandResult r = world.Convert({"--time-limit", limit, page});
        EXPECT_EQ(r.exit_code, 2) << limit;
        EXPECT_TRUE(Has(r.err, "--time-limit")) << limit << ": " << r.err;
        EXPECT_FALSE(Exists(world.Path("pages/a.chm"))) << limit;
    }
    EXPECT_EQ(world.Convert({"--time-limit", "2147483", page}).exit_code, 0);
}

}  // namespace
}  // namespace tess::testing
