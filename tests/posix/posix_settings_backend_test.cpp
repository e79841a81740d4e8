#include "platform/posix/posix_settings_backend.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "file_bytes.h"
#include "temp_folder.h"
#include "tests/support/settings_cases.h"

namespace tess {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::ValueCase;
using testing::WriteFileBytes;

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsRoundTrip : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SettingsRoundTrip, ValueComesBackByteForByte) {
    TempFolder config;
    PosixSettingsBackend writer(config.path());
    PosixSettingsBackend reader(config.path());
    testing::CheckRoundTrip(writer, reader, "Quillvane", GetParam().value);
}

TEST_P(SettingsRoundTrip, ValueSurvivesAsASectionAndKeyName) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", GetParam().value, GetParam().value, "v"));
    EXPECT_EQ(settings.Get("Quillvane", GetParam().value, GetParam().value), "v");
}

INSTANTIATE_TEST_SUITE_P(Posix, SettingsRoundTrip, ::testing::ValuesIn(testing::kSettingsValues),
                         [](const auto& info) { return std::string(info.param.name); });

// The file keeps bytes that are not UTF-8 as they are.
INSTANTIATE_TEST_SUITE_P(PosixBytes, SettingsRoundTrip,
                         ::testing::Values(ValueCase{"binary", std::string("\x01\x7f\x80\xff\xfe", 5)},
                                           ValueCase{"cp932_bytes", "\x93\xfa\x96\x7b\x8c\xea"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixSettingsBackend, ALaterWriteReplacesAndWhatWasNeverWrittenReadsEmpty) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    testing::CheckReplaceAndMissing(settings, "Quillvane");
}

TEST(PosixSettingsBackend, WritesOneReadableFilePerApplication) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "EndOption", "open"));
    ASSERT_TRUE(settings.Set("Quillvane", "info", "EndOption", "close"));
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "OFF"));
    ASSERT_TRUE(settings.Set("Other", "info", "Message", "ON"));

    const std::string text = ReadFileBytes(config / "Quillvane/settings.ini");
    EXPECT_NE(text.find("[info]\nEndOption=close\nMessage=OFF\n"), std::string::npos) << text;
    EXPECT_EQ(settings.Get("Other", "info", "Message"), "ON");
    EXPECT_EQ(NamesIn(config / "Quillvane"), std::vector<std::string>{"settings.ini"});
}

TEST(PosixSettingsBackend, ASettingsFileKeptAsALinkStaysALink) {
    TempFolder config;
    std::filesystem::create_directories(config / "Quillvane");
    std::filesystem::create_directories(config / "dotfiles");
    WriteFileBytes(config / "dotfiles/settings.ini", "[info]\nMessage=OFF\n");
    std::filesystem::create_symlink(config / "dotfiles/settings.ini", config / "Quillvane/settings.ini");
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "EndOption", "close"));
    EXPECT_TRUE(std::filesystem::is_symlink(config / "Quillvane/settings.ini"));
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "OFF");
    EXPECT_NE(ReadFileBytes(config / "dotfiles/settings.ini").find("EndOption=close"), std::string::npos);
}

TEST(PosixSettingsBackend, KeysAndSectionsMatchWithoutRegardToCase) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "InstallPath", "a"));
    ASSERT_TRUE(settings.Set("Quillvane", "INFO", "installpath", "b"));
    EXPECT_EQ(settings.Get("Quillvane", "Info", "INSTALLPATH"), "b");
}

TEST(PosixSettingsBackend, EachReadSeesTheFileAsItIsNow) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "ON"));
    WriteFileBytes(config / "Quillvane/settings.ini", "[info]\nMessage=OFF\n");
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "OFF");
}

TEST(PosixSettingsBackend, AcceptsAHandEditedFileWithCrLfAndComments) {
    TempFolder config;
    std::filesystem::create_directories(config / "Quillvane");
    WriteFileBytes(config / "Quillvane/settings.ini", "# mine\r\n\r\n [ info ]\r\n; note\r\nStartSplash = OFF \r\n\tMessage=\\x20ON\r\n");
    PosixSettingsBackend settings(config.path());
    EXPECT_EQ(settings.Get("Quillvane", "info", "StartSplash"), "OFF");
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), " ON");
}

struct Damaged {
    const char* name;
    const char* bytes;
};

class CorruptFile : public ::testing::TestWithParam<Damaged> {};

TEST_P(CorruptFile, ReadsEmptyAndIsKeptAsideOnTheNextWrite) {
    TempFolder config;
    std::filesystem::create_directories(config / "Quillvane");
    const std::string damaged = GetParam().bytes;
    WriteFileBytes(config / "Quillvane/settings.ini", damaged);
    PosixSettingsBackend settings(config.path());
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "");

    ASSERT_TRUE(settings.Set("Quillvane", "info", "EndOption", "open"));
    EXPECT_EQ(settings.Get("Quillvane", "info", "EndOption"), "open");
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "");
    const auto names = NamesIn(config / "Quillvane");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "settings.ini");
    EXPECT_EQ(names[1].rfind("settings.ini.corrupt-", 0), 0u);
    EXPECT_EQ(ReadFileBytes(config / ("Quillvane/" + names[1])), damaged);
}

INSTANTIATE_TEST_SUITE_P(Posix, CorruptFile,
                         ::testing::Values(Damaged{"line_without_equals", "[info]\nMessage=OFF\ngarbage without equals\n"},
                                           Damaged{"no_section", "Message=OFF\n"},
                                           Damaged{"section_not_closed", "[info\nMessage=OFF\n"},
                                           Damaged{"unknown_escape", "[info]\nMessage=\\q\n"},
                                           Damaged{"short_hex_escape", "[info]\nMessage=\\x4\n"},
                                           Damaged{"binary", "\x89PNG\r\n\x1a\n\0\0\0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PosixSettingsBackend, TwoDamagedFilesAreBothKept) {
    TempFolder config;
    std::filesystem::create_directories(config / "Quillvane");
    PosixSettingsBackend settings(config.path());
    WriteFileBytes(config / "Quillvane/settings.ini", "first damage");
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "ON"));
    WriteFileBytes(config / "Quillvane/settings.ini", "second damage");
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "OFF"));
    EXPECT_EQ(NamesIn(config / "Quillvane").size(), 3u);
}

TEST(PosixSettingsBackend, AReadOnlyConfigFolderRefusesWritesButStillReads) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "ON"));
    ::chmod((config / "Quillvane/settings.ini").c_str(), 0644);
    ::chmod((config / "Quillvane").c_str(), 0555);
    EXPECT_TRUE(testing::RunUnprivileged([&] {
        PosixSettingsBackend child(config.path());
        const Status written = child.Set("Quillvane", "info", "Message", "OFF");
        EXPECT_FALSE(written);
        EXPECT_FALSE(written.ok() || written.error().message.empty());
        EXPECT_EQ(child.Get("Quillvane", "info", "Message"), "ON");
        return true;
    }));
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "ON");
}

TEST(PosixSettingsBackend, AMissingConfigFolderThatCannotBeCreatedIsAnError) {
    TempFolder config;
    WriteFileBytes(config / "file", "x");
    PosixSettingsBackend settings(config / "file");
    EXPECT_FALSE(settings.Set("Quillvane", "info", "Message", "ON"));
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "");
}

TEST(PosixSettingsBackend, AFailedWriteLeavesTheOldFileWholeAndNoLeftovers) {
    TempFolder config;
    PosixSettingsBackend settings(config.path());
    ASSERT_TRUE(settings.Set("Quillvane", "info", "Message", "ON"));
    const std::string before = ReadFileBytes(config / "Quillvane/settings.ini");

    // A file size limit stops the write part way, as a full disk would.
    EXPECT_TRUE(testing::RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{512, 512};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
        PosixSettingsBackend child(config.path());
        return !child.Set("Quillvane", "info", "InstallPath", std::string(4096, 'p'));
    }));
    EXPECT_EQ(ReadFileBytes(config / "Quillvane/settings.ini"), before);
    EXPECT_EQ(NamesIn(config / "Quillvane"), std::vector<std::string>{"settings.ini"});
    EXPECT_EQ(settings.Get("Quillvane", "info", "Message"), "ON");
}

}  // namespace
}  // namespace tess
