// Each fault: what the user is told, and that nothing they had is lost or overwritten.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/faults/convert_command.h"
#include "tests/support/compiler_faults.h"

namespace tess::testing {
namespace {

constexpr const char* kPage = "<html><head><title>ページ</title></head><body>本文</body></html>";

// A folder without a compiler that runs is no installation: told before any page.
TEST(CompilerFaults, NoRunnableCompilerIsToldBeforeAnyPage) {
    const std::pair<const char*, std::function<void(ConvertWorld&)>> faults[] = {
        {"missing", [](ConvertWorld& w) { std::filesystem::remove(w.Path("compiler/hhc")); }},
        {"not executable", [](ConvertWorld& w) { ::chmod(w.Path("compiler/hhc").c_str(), 0644); }},
    };
    for (const auto& [name, set_up] : faults) {
        ConvertWorld world;
        const std::string page = world.Write("pages/a page.htm", kPage);
        set_up(world);
        const auto before = Snapshot(world.Path("pages"));
        const CommandResult r = world.Convert({page});
        EXPECT_EQ(r.exit_code, 2) << name << "\n" << r.err;
        EXPECT_TRUE(Has(r.err, "インストールが確認できません")) << name << ": " << r.err;
        EXPECT_EQ(r.out, "") << name;
        EXPECT_EQ(Snapshot(world.Path("pages")), before) << name;
    }
}

// Each fault as the test compiler acts it out, beside the user's earlier help file.
TEST(CompilerFaults, EachIsToldAndNothingIsPlaced) {
    for (const auto& c : kCompilerFaults) {
        SCOPED_TRACE(c.name);
        ConvertWorld world;
        const std::string page = world.Write("pages/a page.htm", kPage);
        world.Write("pages/a page.chm", "the user's earlier help file");
        switch (c.fault) {
        case CompilerFault::fails: world.env["TEST_HHC_MODE"] = "fail"; break;
        case CompilerFault::crashes: world.env["TEST_HHC_MODE"] = "crash"; break;
        case CompilerFault::ends_without_created: world.env["TEST_HHC_MODE"] = "nocreated"; break;
        case CompilerFault::never_writes_log: world.env["TEST_HHC_MODE"] = "nolog"; break;
        case CompilerFault::hangs: world.env["TEST_HHC_MODE"] = "hang"; break;
        case CompilerFault::misread_created: world.env["TEST_HHC_MISREAD_PAGE"] = "a page.htm"; break;
        case CompilerFault::cannot_start:  // passes for installed, yet the system cannot run it
            world.Write("compiler/hhc", "#!/nonexistent/interpreter\n");
            ::chmod(world.Path("compiler/hhc").c_str(), 0755);
            break;
        }
        const auto before = Snapshot(world.Path("pages"));
        const CommandResult r = world.Convert({"--time-limit", "2", page});
        EXPECT_EQ(r.exit_code, 1) << r.err;
        EXPECT_TRUE(Has(r.err, c.told)) << r.err;
        if (c.log_shown) {
            EXPECT_TRUE(Has(r.err, c.log_shown)) << r.err;
        }
        EXPECT_TRUE(Has(r.err, page)) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Snapshot(world.Path("pages")), before);
    }
}

TEST(PageFaults, BadPagesAreToldOneByOneAndTheGoodOnesStillConvert) {
    ConvertWorld world;
    const std::string good = world.Write("pages/good.htm", kPage);
    std::filesystem::create_directories(world.Path("pages/folder.htm"));
    const struct {
        std::string page;
        const char* told;
    } bad[] = {
        {world.Path("pages/gone.htm"), "見つかりません"},
        {world.Path("pages/folder.htm"), "見つかりません"},
        {world.Write("pages/notes.txt", "x"), "HTMLファイル"},
        {world.Write("pages/page.htm.", kPage), "HTMLファイル"},
        {world.Write("pages/wave\xe3\x80\x9c.htm", kPage), "932"},
        {world.Write("pages/emoji\xf0\x9f\x98\x80.htm", kPage), "932"},
        {world.Write("pages/line\nbreak.htm", kPage), "制御文字"},
        {world.Write("pages/bell\x07.htm", kPage), "制御文字"},
    };
    std::vector<std::string> args{good};
    for (const auto& b : bad) args.push_back(b.page);
    const CommandResult r = world.Convert(args);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, world.Path("pages/good.chm") + "\n");
    for (const auto& b : bad) {
        EXPECT_TRUE(Has(r.err, b.told)) << b.page << "\n" << r.err;
        EXPECT_TRUE(Has(r.err, b.page)) << b.page;
    }
    // A name that would add lines of its own never reached a project file.
    for (const auto& [name, bytes] : Snapshot(world.Path("cache")))
        EXPECT_FALSE(Has(bytes, "break.htm")) << name;
}

TEST(PageFaults, AwkwardButValidNamesConvert) {
    ConvertWorld world;
    const std::string long_folder = "pages/" + std::string(200, 'd') + "/" + std::string(200, 'e') + "/" +
                                    std::string(200, 'f');
    const std::string pages[] = {
        world.Write("pages/with blanks  inside.htm", kPage),
        world.Write("pages/日本語のフォルダ/日本語の名前.HTML", kPage),
        world.Write("pages/.leading dot.htm", kPage),
        world.Write("pages/index.old.html", kPage),
        world.Write(long_folder + "/" + std::string(240, 'g') + ".htm", kPage),
    };
    const std::string expected[] = {
        world.Path("pages/with blanks  inside.chm"),
        world.Path("pages/日本語のフォルダ/日本語の名前.chm"),
        world.Path("pages/.leading dot.chm"),
        world.Path("pages/index.old.chm"),
        world.Path(long_folder + "/" + std::string(240, 'g') + ".chm"),
    };
    const CommandResult r = world.Convert(std::vector<std::string>(std::begin(pages), std::end(pages)));
    EXPECT_EQ(r.exit_code, 0) << r.err;
    std::string out;
    for (const auto& e : expected) {
        out += e + "\n";
        EXPECT_EQ(Slurp(e), std::string("TESTCHM\n") + kPage) << e;
    }
    EXPECT_EQ(r.out, out);
}

TEST(OutputFaults, TakenNamesOfEveryKindAreNeverReplaced) {
    ConvertWorld world;
    const std::string page = world.Write("pages/page.htm", kPage);
    world.Write("pages/page.chm", "plain");
    ::chmod(world.Path("pages/page.chm").c_str(), 0444);
    std::filesystem::create_directories(world.Path("pages/page(1).chm"));
    std::filesystem::create_symlink(world.Path("nowhere"), world.Path("pages/page(2).chm"));
    const std::string hidden = world.Write("pages/.page.htm", kPage);
    world.Write("pages/.page.chm", "hidden");
    const auto before = Snapshot(world.Path("pages"));
    const CommandResult r = world.Convert({page, hidden});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, world.Path("pages/page(3).chm") + "\n" + world.Path("pages/.page(1).chm") + "\n");
    auto after = Snapshot(world.Path("pages"));
    for (const auto& [name, bytes] : before) EXPECT_EQ(after[name], bytes) << name;
    EXPECT_FALSE(Exists(world.Path("nowhere")));  // the dangling link was not followed
}

TEST(OutputFaults, AReadOnlyPageFolderIsToldAndNothingThereChanges) {
    ConvertWorld world;
    world.unprivileged = true;
    const std::string page = world.Write("pages/ro/page.htm", kPage);
    ::chmod(world.Path("pages/ro").c_str(), 0555);
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(Has(r.err, "書き込めませんでした")) << r.err;
    EXPECT_TRUE(Has(r.err, world.Path("pages/ro/page.chm") + "\n" + std::strerror(EACCES))) << r.err;
    EXPECT_EQ(Snapshot(world.Path("pages/ro")).size(), 1u);
}

// A page folder on a full disk: the same words of ours, and the system's other reason after them.
TEST(OutputFaults, AFullPageFolderIsToldWithTheSystemsReason) {
    ConvertWorld world;
    const std::string full = world.Path("pages/full");
    std::filesystem::create_directories(full);
    if (::mount("tmpfs", full.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no tmpfs: " << std::strerror(errno);
    const std::string page = world.Write("pages/full/page.htm", std::string(40000, 'x'));
    const CommandResult r = world.Convert({page});
    ::umount(full.c_str());
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(Has(r.err, "書き込めませんでした: " + world.Path("pages/full/page.chm") + "\n" +
                               std::strerror(ENOSPC))) << r.err;
}

TEST(OutputFaults, AnUnreadablePageIsToldByTheCompiler) {
    ConvertWorld world(HHC_PATH);
    world.unprivileged = true;
    const std::string page = world.Write("pages/secret.htm", kPage);
    ::chmod(page.c_str(), 0000);
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_TRUE(Has(r.err, page)) << r.err;
    EXPECT_FALSE(Exists(world.Path("pages/secret.chm")));
}

// The compiled file is made, and each file the compiler left out is told with its reason,
// in the user's own characters; a page that needs nothing left out is told nothing.
TEST(OutputFaults, FilesTheCompilerLeftOutAreToldOnStandardError) {
    ConvertWorld world(HHC_PATH);
    world.unprivileged = true;
    world.Write("pages/outside.png", "o");
    world.Write("pages/本/ok.png", "ok");
    const std::string locked = world.Write("pages/本/locked.png", "secret");
    ::chmod(locked.c_str(), 0000);
    std::filesystem::create_symlink(world.Path("pages/outside.png"), world.Path("pages/本/link.png"));
    const std::string page =
        world.Write("pages/本/説明.htm", "<title>説明</title><img src=\"../outside.png\"><img src=\"画像/なし.png\">"
                                        "<img src=\"link.png\"><img src=\"locked.png\"><img src=\"ok.png\">");
    ::chmod(world.Path("pages/本").c_str(), 0777);  // the compiled file goes beside the page
    const std::string quiet = world.Write("pages/quiet.htm", kPage);
    const CommandResult r = world.Convert({page, quiet});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, world.Path("pages/本/説明.chm") + "\n" + world.Path("pages/quiet.chm") + "\n");
    EXPECT_EQ(r.err,
              "Warning: ../outside.png was left out: it lies outside the page's folder.\n"
              "Warning: 画像/なし.png is referred to but was not found.\n"
              "Warning: link.png was left out: it lies outside the page's folder through a link.\n"
              "Warning: locked.png was left out: it cannot be read (Permission denied).\n");
}

TEST(OutputFaults, AFullDiskLeavesNoPartFileAndKeepsEverythingElse) {
    ConvertWorld world(HHC_PATH);
    std::string big = kPage;
    big += std::string(200000, ' ');
    const std::string page = world.Write("pages/big.htm", big);
    world.Write("pages/big.chm", "earlier");
    world.file_size_limit = 4096;  // room for the project file, none for a compiled file
    const auto before = Snapshot(world.Path("pages"));
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 1) << r.out;
    EXPECT_TRUE(Has(r.err, page)) << r.err;
    EXPECT_EQ(Snapshot(world.Path("pages")), before);
}

TEST(SettingsFaults, ACorruptSettingsFileIsKeptAsideAndConversionWorks) {
    ConvertWorld world;
    const std::string garbage = std::string("\x01\x02[[[not settings\n=\\q", 21);
    world.Write("config/Quillvane/settings.ini", garbage);
    const std::string page = world.Write("pages/a.htm", kPage);
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    bool kept = false;
    for (const auto& [name, bytes] : Snapshot(world.Path("config/Quillvane")))
        if (name.rfind("settings.ini.corrupt", 0) == 0) kept = bytes == garbage;
    EXPECT_TRUE(kept);
}

TEST(SettingsFaults, AReadOnlyConfigFolderStillConverts) {
    ConvertWorld world;
    world.unprivileged = true;
    ::chmod(world.Path("config/Quillvane").c_str(), 0555);
    const std::string page = world.Write("pages/a.htm", kPage);
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "設定を保存できませんでした")) << r.err;  // said, not hidden
    EXPECT_TRUE(Exists(world.Path("pages/a.chm")));
}

TEST(SettingsFaults, AKilledRunLeavesSettingsIntactAndTheNextRunWorks) {
    ConvertWorld world;
    const std::string page = world.Write("pages/a.htm", kPage);
    ASSERT_EQ(world.Convert({page}).exit_code, 0);
    const std::string settings = Slurp(world.Path("config/Quillvane/settings.ini"));
    // Killed while it waits on a compiler that holds its log and never ends.
    world.env["TEST_HHC_MODE"] = "hang";
    world.env["TEST_HHC_RECORD"] = world.Path("record.txt");
    const int pid = world.Start(CONVERT_PATH, {page});
    auto log_held = [&] {
        for (const auto& [name, bytes] : Snapshot(world.Path("cache")))
            if (name.size() >= 8 && name.compare(name.size() - 8, 8, "log1.log") == 0) return Exists(world.Path("record.txt"));
        return false;
    };
    for (int i = 0; i < 500 && !log_held(); ++i) ::usleep(10000);
    ASSERT_TRUE(log_held()) << Slurp(world.Path("err.txt"));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    // The hung compiler lives on, still holding its log: the next run must not wait on it.
    world.env["TEST_HHC_MODE"] = "ok";
    world.env.erase("TEST_HHC_RECORD");
    const CommandResult r = world.Convert({page});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, world.Path("pages/a(1).chm") + "\n");
    EXPECT_EQ(Slurp(world.Path("config/Quillvane/settings.ini")), settings);
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

// True while some process holds the desktop program's single-instance claim.
bool ClaimHeld(ConvertWorld& world) {
    const int fd = ::open(world.Path("cache/Quillvane.lock").c_str(), O_RDWR);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

TEST(DesktopFaults, AKilledDesktopProgramLeavesNoClaimAndIntactSettings) {
    ConvertWorld world;
    world.Write("config/Quillvane/settings.ini", "[info]\nStartSplash=OFF\nMessage=ON\n");
    world.env["QT_QPA_PLATFORM"] = "offscreen";
    for (int start = 0; start < 2; ++start) {
        const int pid = world.Start(DESKTOP_PATH, {});
        // The second start is taken as a first one: it claims and loads its main window.
        ASSERT_TRUE(WaitUntil([&] { return ClaimHeld(world); }, 10000)) << start << ": " << Slurp(world.Path("err.txt"));
        ASSERT_TRUE(WaitUntil([&] { return Has(Slurp(world.Path("config/Quillvane/settings.ini")), "EndOption"); }, 10000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << start;
        EXPECT_FALSE(ClaimHeld(world)) << start;
    }
    const std::string settings = Slurp(world.Path("config/Quillvane/settings.ini"));
    EXPECT_TRUE(Has(settings, "StartSplash=OFF")) << settings;
    EXPECT_TRUE(Has(settings, "Message=ON")) << settings;
    EXPECT_TRUE(Has(settings, "EndOption=open")) << settings;
}

}  // namespace
}  // namespace tess::testing
