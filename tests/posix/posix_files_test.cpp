#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "child_process.h"
#include "file_bytes.h"
#include "temp_folder.h"
#include "tests/support/file_cases.h"

namespace tess {
namespace {

using testing::Entry;
using testing::EntryCase;
using testing::kEntryCases;
using testing::kLinesCases;
using testing::kTakenCases;
using testing::LinesCase;
using testing::LockHolder;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// The entry made the Linux way, under `name` (hidden: with a leading dot); the path to ask about.
std::string MakeEntry(const TempFolder& dir, Entry entry, const std::string& name) {
    const std::string path = dir / name;
    switch (entry) {
    case Entry::plain_file: WriteFileBytes(path, "mine"); break;
    case Entry::empty_file: WriteFileBytes(path, ""); break;
    case Entry::read_only_file:
        WriteFileBytes(path, "mine");
        ::chmod(path.c_str(), 0444);
        break;
    case Entry::hidden_file: WriteFileBytes(dir / ("." + name), "mine"); return dir / ("." + name);
    case Entry::folder: ::mkdir(path.c_str(), 0755); break;
    case Entry::missing: break;
    case Entry::in_missing_folder: return dir / ("no/" + name);
    }
    return path;
}

// Every entry under `folder`, not following links: kind, mode, inode, and bytes or link target.
std::map<std::string, std::string> Tree(const std::string& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        std::string what = std::to_string(info.st_mode) + " " + std::to_string(info.st_ino) + " ";
        if (S_ISLNK(info.st_mode)) what += "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (S_ISREG(info.st_mode)) what += ReadFileBytes(entry.path());
        tree[entry.path().lexically_relative(folder).string()] = what;
    }
    return tree;
}

class EntryKinds : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryKinds, ExistsAndNormalFileTellEntriesApart) {
    TempFolder dir;
    const std::string path = MakeEntry(dir, GetParam().entry, "entry");
    PosixFiles files;
    EXPECT_EQ(files.Exists(path), GetParam().exists);
    EXPECT_EQ(files.IsNormalFile(path), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Posix, EntryKinds, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LinkCase {
    const char* name;
    std::function<void(const TempFolder&, const std::string& path)> make;
    bool exists;
    bool normal;
};

// Names the case in test listings.
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class LinkKinds : public ::testing::TestWithParam<LinkCase> {};

// A link counts as what it is, not what it names; only a plain file behind it is normal.
TEST_P(LinkKinds, ExistsAndNormalFileTellEntriesApart) {
    TempFolder dir;
    const std::string path = dir / "entry";
    GetParam().make(dir, path);
    PosixFiles files;
    EXPECT_EQ(files.Exists(path), GetParam().exists);
    EXPECT_EQ(files.IsNormalFile(path), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(
    Posix, LinkKinds,
    ::testing::Values(
        LinkCase{"dangling_symlink",
                 [](const TempFolder& d, const std::string& p) { (void)!::symlink((d / "nowhere").c_str(), p.c_str()); },
                 true, false},
        LinkCase{"symlink_to_file",
                 [](const TempFolder& d, const std::string& p) {
                     WriteFileBytes(d / "target", "x");
                     (void)!::symlink((d / "target").c_str(), p.c_str());
                 },
                 true, true},
        LinkCase{"symlink_to_folder",
                 [](const TempFolder& d, const std::string& p) {
                     ::mkdir((d / "sub").c_str(), 0755);
                     (void)!::symlink((d / "sub").c_str(), p.c_str());
                 },
                 true, false},
        LinkCase{"fifo", [](const TempFolder&, const std::string& p) { ::mkfifo(p.c_str(), 0644); }, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PosixFiles, RenameMovesTheFile) {
    TempFolder dir;
    WriteFileBytes(dir / "log1.log", "line\r\n");
    PosixFiles files;
    EXPECT_EQ(files.Rename(dir / "log1.log", dir / "log1.log.bak"), RenameResult::ok);
    EXPECT_FALSE(files.Exists(dir / "log1.log"));
    EXPECT_EQ(ReadFileBytes(dir / "log1.log.bak"), "line\r\n");
}

TEST(PosixFiles, RenameIsInUseWhileAnotherProcessHoldsALock) {
    TempFolder dir;
    const std::string log = dir / "log1.log";
    WriteFileBytes(log, "working\r\n");
    PosixFiles files;
    {
        LockHolder holder(log);
        ASSERT_TRUE(holder.started());
        EXPECT_EQ(files.Rename(log, log + ".bak"), RenameResult::in_use);
        EXPECT_TRUE(files.Exists(log));
        EXPECT_FALSE(files.Exists(log + ".bak"));
    }
    // The lock dies with its process.
    EXPECT_EQ(files.Rename(log, log + ".bak"), RenameResult::ok);
}

TEST(PosixFiles, RenameRefusesToReplaceAnExistingTarget) {
    TempFolder dir;
    WriteFileBytes(dir / "log1.log", "new");
    WriteFileBytes(dir / "log1.log.bak", "stale");
    PosixFiles files;
    EXPECT_EQ(files.Rename(dir / "log1.log", dir / "log1.log.bak"), RenameResult::failed);
    EXPECT_EQ(ReadFileBytes(dir / "log1.log"), "new");
    EXPECT_EQ(ReadFileBytes(dir / "log1.log.bak"), "stale");
}

TEST(PosixFiles, RenameRefusesADanglingSymlinkTarget) {
    TempFolder dir;
    WriteFileBytes(dir / "log1.log", "new");
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), (dir / "log1.log.bak").c_str()), 0);
    PosixFiles files;
    EXPECT_EQ(files.Rename(dir / "log1.log", dir / "log1.log.bak"), RenameResult::failed);
    EXPECT_TRUE(files.Exists(dir / "log1.log"));
}

TEST(PosixFiles, RenameOfAMissingFileFails) {
    TempFolder dir;
    PosixFiles files;
    EXPECT_EQ(files.Rename(dir / "absent", dir / "other"), RenameResult::failed);
}

TEST(PosixFiles, CopyReplaceOverwritesAndLeavesNoTemporaryFiles) {
    TempFolder dir;
    WriteFileBytes(dir / "from", std::string("new\0bytes", 9));
    WriteFileBytes(dir / "to", "old content that is longer");
    PosixFiles files;
    ASSERT_TRUE(files.CopyReplace(dir / "from", dir / "to"));
    EXPECT_EQ(ReadFileBytes(dir / "to"), std::string("new\0bytes", 9));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST(PosixFiles, CopyReplaceFromAMissingFileFailsAndKeepsTheTarget) {
    TempFolder dir;
    WriteFileBytes(dir / "to", "old");
    PosixFiles files;
    const Status copied = files.CopyReplace(dir / "absent", dir / "to");
    EXPECT_FALSE(copied);
    EXPECT_NE(copied.error().message.find("absent"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir / "to"), "old");
}

TEST(PosixFiles, CopyNoClobberCreatesANewFile) {
    TempFolder dir;
    WriteFileBytes(dir / "Dummy.chm", "TESTCHM\n");
    PosixFiles files;
    EXPECT_EQ(files.CopyNoClobber(dir / "Dummy.chm", dir / "guide.chm"), CreateResult::ok);
    EXPECT_EQ(ReadFileBytes(dir / "guide.chm"), "TESTCHM\n");
}

class NoClobber : public ::testing::TestWithParam<EntryCase> {};

// Not one byte, mode or inode of what holds the name changes, nor anything beside it.
TEST_P(NoClobber, NeverTouchesWhateverHoldsTheName) {
    TempFolder dir;
    WriteFileBytes(dir / "Dummy.chm", "new");
    const std::string target = MakeEntry(dir, GetParam().entry, "guide.chm");
    const auto before = Tree(dir.path());
    EXPECT_EQ(PosixFiles().CopyNoClobber(dir / "Dummy.chm", target), CreateResult::exists);
    EXPECT_EQ(Tree(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Posix, NoClobber, ::testing::ValuesIn(kTakenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixFiles, CopyNoClobberNeitherReplacesNorFollowsADanglingLink) {
    TempFolder dir;
    WriteFileBytes(dir / "Dummy.chm", "new");
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), (dir / "guide.chm").c_str()), 0);
    const auto before = Tree(dir.path());
    EXPECT_EQ(PosixFiles().CopyNoClobber(dir / "Dummy.chm", dir / "guide.chm"), CreateResult::exists);
    EXPECT_EQ(Tree(dir.path()), before);  // and so no "nowhere" was made through it
}

TEST(PosixFiles, CopyNoClobberFromAMissingSourceCreatesNothing) {
    TempFolder dir;
    PosixFiles files;
    EXPECT_EQ(files.CopyNoClobber(dir / "Dummy.chm", dir / "guide.chm"), CreateResult::failed);
    EXPECT_FALSE(files.Exists(dir / "guide.chm"));
}

TEST(PosixFiles, CopyNoClobberRemovesItsPartialTargetWhenTheDiskFills) {
    TempFolder dir;
    WriteFileBytes(dir / "Dummy.chm", std::string(64 * 1024, 'c'));
    // A file size limit makes the copy fail part way, as a full disk would.
    EXPECT_TRUE(testing::RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
        PosixFiles files;
        return files.CopyNoClobber(dir / "Dummy.chm", dir / "guide.chm") == CreateResult::failed;
    }));
    EXPECT_FALSE(PosixFiles().Exists(dir / "guide.chm"));
    // Nor its temporary: only the source is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

// The kernel resolves "link/.." through the link, whatever the text says.
TEST(PosixFiles, ResolvedPathIsTheFileTheSystemOpens) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "real/sub");
    WriteFileBytes(dir / "real/page.htm", "real");
    WriteFileBytes(dir / "page.htm", "the text's neighbour");
    std::filesystem::create_symlink(dir / "real/sub", dir / "link");
    std::filesystem::create_symlink("real/page.htm", dir / "page-link.htm");
    const std::string real = std::filesystem::canonical(dir / "real/page.htm").string();
    PosixFiles files;
    for (const char* dropped : {"link/../page.htm", "page-link.htm", "real/./sub/../page.htm"}) {
        const auto resolved = files.ResolvedPath(dir / dropped);
        EXPECT_EQ(resolved ? *resolved : "", real) << dropped;
    }
    EXPECT_FALSE(files.ResolvedPath(dir / "gone.htm"));
}

TEST(PosixFiles, DeleteRemovesAFileAndReportsAMissingOne) {
    TempFolder dir;
    WriteFileBytes(dir / "log1.log", "x");
    PosixFiles files;
    EXPECT_TRUE(files.Delete(dir / "log1.log"));
    EXPECT_FALSE(files.Exists(dir / "log1.log"));
    EXPECT_FALSE(files.Delete(dir / "log1.log"));
}

class ReadLinesSplit : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ReadLinesSplit, SplitsOnLineFeedAndDropsOneCarriageReturn) {
    TempFolder dir;
    WriteFileBytes(dir / "log", GetParam().bytes);
    PosixFiles files;
    auto lines = files.ReadLines(dir / "log");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Posix, ReadLinesSplit, ::testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixFiles, ReadLinesWhileAnotherProcessWritesAndLocksTheFile) {
    TempFolder dir;
    const std::string log = dir / "log1.log";
    WriteFileBytes(log, "Compiling\r\n");
    LockHolder holder(log);
    ASSERT_TRUE(holder.started());
    // A writer of our own appends while the lock is held elsewhere.
    const int writer = ::open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "Created x.chm\r\n", 15), 15);

    PosixFiles files;
    auto lines = files.ReadLines(log);
    ::close(writer);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"Compiling", "Created x.chm"}));
}

TEST(PosixFiles, ReadLinesOfAMissingFileIsAnError) {
    TempFolder dir;
    EXPECT_FALSE(PosixFiles().ReadLines(dir / "absent"));
}

TEST(PosixFiles, WriteBytesCreatesAndTruncates) {
    TempFolder dir;
    PosixFiles files;
    ASSERT_TRUE(files.WriteBytes(dir / "Dummy.hhp", "first, longer content"));
    ASSERT_TRUE(files.WriteBytes(dir / "Dummy.hhp", "second"));
    EXPECT_EQ(ReadFileBytes(dir / "Dummy.hhp"), "second");
}

TEST(PosixFiles, WriteBytesIntoAMissingFolderIsAnError) {
    TempFolder dir;
    const Status written = PosixFiles().WriteBytes(dir / "no/such/Dummy.hhp", "x");
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error().message.empty());
}

TEST(PosixFiles, CanWriteInAWritableFolderLeavesNothingBehind) {
    TempFolder dir;
    PosixFiles files;
    EXPECT_TRUE(files.CanWriteIn(dir.path() + "/"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_FALSE(files.CanWriteIn(dir / "missing/"));
}

TEST(PosixFiles, CanWriteInIsFalseForAReadOnlyFolder) {
    TempFolder dir;
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_TRUE(testing::RunUnprivileged([&] { return !PosixFiles().CanWriteIn(dir.path() + "/"); }));
}

TEST(PosixFiles, MakeFoldersCreatesParentsAndAcceptsExistingOnes) {
    TempFolder dir;
    PosixFiles files;
    ASSERT_TRUE(files.MakeFolders(dir / "a/b/c/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a/b/c"));
    EXPECT_TRUE(files.MakeFolders(dir / "a/b/c/"));
    WriteFileBytes(dir / "file", "x");
    EXPECT_FALSE(files.MakeFolders(dir / "file/sub"));
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(PosixFolderOwner, AHoldLastsUntilItEndsAndLinksAreNeitherListedNorFollowed) {
    testing::TempFolder dir;
    PosixFiles files;
    const std::string run = dir / "cache/convert-real/";
    ASSERT_TRUE(files.MakeFolders(run + "inner/") && files.MakeFolders(dir / "outside/"));
    testing::WriteFileBytes(dir / "outside/keep.txt", "x");
    std::filesystem::create_directory_symlink(dir / "outside", dir / "cache/convert-link");
    std::filesystem::create_directory_symlink(dir / "outside", run + "inner/out");
    EXPECT_EQ(files.OwnerOf(run), FolderOwner::none);
    auto hold = files.HoldFolder(run);
    ASSERT_TRUE(hold) << hold.error().message;
    EXPECT_EQ(files.OwnerOf(run), FolderOwner::alive);
    EXPECT_FALSE(files.HoldFolder(run)) << "one owner per folder";
    hold->reset();
    EXPECT_EQ(files.OwnerOf(run), FolderOwner::gone);

    const std::vector<SubFolder> found = files.SubFolders(dir / "cache/", "convert-");
    EXPECT_EQ(found.size() == 1 ? found[0].path : std::string(), run) << "a link is no folder of ours";
    EXPECT_FALSE(files.RemoveTree(dir / "cache/convert-link/"));
    EXPECT_TRUE(files.RemoveTree(run));
    EXPECT_FALSE(std::filesystem::exists(run));
    EXPECT_TRUE(std::filesystem::exists(dir / "outside/keep.txt"));
}

}  // namespace
}  // namespace tess
