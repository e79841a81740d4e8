#include "hhc/held_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_tree.h"

namespace {

using hhc_test::ReadFile;
using hhc_test::TempTree;

bool LockedByOthers(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return locked;
}

TEST(HeldLog, IsLockedFromTheStartUntilReleased) {
    TempTree t;
    std::string path = t.Write("old folder/log1.log", "Created by an earlier run\r\n");
    auto log = hhc::HeldLog::Create(path);
    ASSERT_TRUE(log.ok()) << log.error().message;
    EXPECT_TRUE(LockedByOthers(path));
    EXPECT_EQ(ReadFile(path), "") << "an old log is replaced, not appended to";
    ASSERT_TRUE(log->WriteLine("first").ok());
    ASSERT_TRUE(log->WriteLine("second").ok());
    EXPECT_TRUE(LockedByOthers(path));
    log->Release();
    EXPECT_FALSE(LockedByOthers(path));
    EXPECT_EQ(ReadFile(path), "first\r\nsecond\r\n");
    EXPECT_FALSE(log->WriteLine("late").ok());
    // Only the log itself stays: the temporary name it was made under is gone.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(t.Path("old folder"))) ++entries;
    EXPECT_EQ(entries, 1u);
}

// The program takes the bytes "Created" anywhere as success: only the success line has them.
TEST(HeldLog, OnlyTheSuccessLineCarriesTheSuccessBytes) {
    TempTree t;
    auto log = hhc::HeldLog::Create(t.Path("log1.log"));
    ASSERT_TRUE(log.ok());
    ASSERT_TRUE(log->WriteLine("Warning: \x83\x43reated.png was not found.").ok());  // イreated.png
    ASSERT_TRUE(log->WriteLine("Error: /Created/a.htm cannot be read.").ok());
    log->Release();
    EXPECT_EQ(ReadFile(t.Path("log1.log")).find("Created"), std::string::npos) << ReadFile(t.Path("log1.log"));
    auto success = hhc::HeldLog::Create(t.Path("log2.log"));
    ASSERT_TRUE(success.ok());
    ASSERT_TRUE(success->WriteSuccessLine("Created /a/Dummy.chm, 1 bytes").ok());
    success->Release();
    EXPECT_EQ(ReadFile(t.Path("log2.log")), "Created /a/Dummy.chm, 1 bytes\r\n");
}

TEST(HeldLog, GetsTheModeOfAPlainFile) {
    TempTree t;
    mode_t old = umask(022);
    auto log = hhc::HeldLog::Create(t.Path("log1.log"));
    umask(old);
    ASSERT_TRUE(log.ok());
    struct stat st {};
    ASSERT_EQ(stat(t.Path("log1.log").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(HeldLog, FailsPlainlyInAMissingFolder) {
    TempTree t;
    auto log = hhc::HeldLog::Create(t.Path("missing/log1.log"));
    ASSERT_FALSE(log.ok());
    EXPECT_NE(log.error().message.find("cannot be created"), std::string::npos);
}

TEST(HeldLog, ReleasesWhenDestroyed) {
    TempTree t;
    {
        auto log = hhc::HeldLog::Create(t.Path("log1.log"));
        ASSERT_TRUE(log.ok());
    }
    EXPECT_FALSE(LockedByOthers(t.Path("log1.log")));
}

}  // namespace
