// Files on the real Windows file system: attributes, renames refused by another process's
// open handle, copies that never replace, shared reads.
#include <windows.h>

#include <map>

#include <gtest/gtest.h>

#include "child_process.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "temp_folder.h"
#include "tests/support/file_cases.h"

namespace tess::testing {
namespace {

using win32::Widen;

std::string ReadAll(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 16, '\0');
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

class Win32FilesTest : public ::testing::Test {
protected:
    TempFolder dir;
    win32::Win32Files files;

    std::string Make(const std::string& name, const std::string& bytes = "x", DWORD attributes = 0) {
        std::string path = dir / name;
        EXPECT_TRUE(files.WriteBytes(path, bytes).ok());
        if (attributes) SetFileAttributesW(Widen(path).c_str(), attributes);
        return path;
    }

    // The entry made the Windows way (hidden: by its attribute); the path to ask about.
    std::string MakeEntry(Entry entry, const std::string& name) {
        switch (entry) {
        case Entry::plain_file: return Make(name, "mine");
        case Entry::empty_file: return Make(name, "");
        case Entry::read_only_file: return Make(name, "mine", FILE_ATTRIBUTE_READONLY);
        case Entry::hidden_file: return Make(name, "mine", FILE_ATTRIBUTE_HIDDEN);
        case Entry::folder: CreateDirectoryW(Widen(dir / name).c_str(), nullptr); break;
        case Entry::missing: break;
        case Entry::in_missing_folder: return dir / ("no\\" + name);
        }
        return dir / name;
    }
};

// Every entry under `folder`: its attributes, and its bytes or what it holds.
void AddTree(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& tree) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Widen(folder + "\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = win32::Narrow(found.cFileName);
        if (name == "." || name == "..") continue;
        const bool is_folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        tree[prefix + name] = std::to_string(found.dwFileAttributes) + " " +
                              (is_folder ? std::string("<folder>") : ReadAll(folder + "\\" + name));
        if (is_folder) AddTree(folder + "\\" + name, prefix + name + "\\", tree);
    } while (FindNextFileW(h, &found));
    FindClose(h);
}

std::map<std::string, std::string> Tree(const std::string& folder) {
    std::map<std::string, std::string> tree;
    AddTree(folder, "", tree);
    return tree;
}

class Win32FilesEntryTest : public Win32FilesTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(Win32FilesEntryTest, ExistsAndNormalFileTellEntriesApart) {
    const std::string path = MakeEntry(GetParam().entry, "entry.chm");
    EXPECT_EQ(files.Exists(path), GetParam().exists);
    EXPECT_EQ(files.IsNormalFile(path), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Entries, Win32FilesEntryTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AttributeCase {
    const char* name;
    DWORD attributes;
    bool normal;
};

class Win32FilesAttributeTest : public Win32FilesTest, public ::testing::WithParamInterface<AttributeCase> {};

TEST_P(Win32FilesAttributeTest, ExistsCountsEveryFileButNormalOnlyPlainOnes) {
    const AttributeCase& c = GetParam();
    std::string path = Make(std::string(c.name) + ".chm", "x", c.attributes);
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(files.IsNormalFile(path), c.normal);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, Win32FilesAttributeTest,
    ::testing::Values(AttributeCase{"normal", FILE_ATTRIBUTE_NORMAL, true},
                      AttributeCase{"system", FILE_ATTRIBUTE_SYSTEM, false},
                      AttributeCase{"archive", FILE_ATTRIBUTE_ARCHIVE, true},
                      AttributeCase{"all", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                               FILE_ATTRIBUTE_ARCHIVE,
                                    false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32FilesTest, JapaneseNamesWork) {
    std::string path = Make("変換テスト.chm", "日本");
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(ReadAll(path), "日本");
}

TEST_F(Win32FilesTest, RenameMovesAFreeFileAndRefusesATakenName) {
    std::string log = Make("log1.log", "Created");
    EXPECT_EQ(files.Rename(log, log + ".bak"), RenameResult::ok);
    EXPECT_FALSE(files.Exists(log));
    EXPECT_TRUE(files.Exists(log + ".bak"));
    Make("log1.log", "new");
    EXPECT_EQ(files.Rename(log + ".bak", log), RenameResult::failed);
    EXPECT_EQ(ReadAll(log), "new");
    EXPECT_EQ(files.Rename(dir / "missing.log", dir / "other.log"), RenameResult::failed);
}

TEST_F(Win32FilesTest, RenameSeesAFileHeldOpenByAnotherProcessAsInUse) {
    std::string log = Make("log1.log", "working");
    std::wstring tag = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    std::wstring ready_name = L"Local\\tess-ready-" + tag;
    std::wstring release_name = L"Local\\tess-release-" + tag;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ready_name.c_str());
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, release_name.c_str());
    ASSERT_TRUE(ready && release);

    std::wstring line = L"\"" + Widen(ChildProgram()) + L"\" hold \"" + Widen(log) + L"\" \"" + ready_name +
                        L"\" \"" + release_name + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    ASSERT_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0) << "the child did not open the file";

    EXPECT_EQ(files.Rename(log, log + ".bak"), RenameResult::in_use);
    EXPECT_TRUE(files.Exists(log));
    // Reading must not keep the holder out, nor be kept out by it.
    auto lines = files.ReadLines(log);
    ASSERT_TRUE(lines.ok()) << lines.error().message;
    EXPECT_EQ(*lines, std::vector<std::string>{"working"});

    SetEvent(release);
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(files.Rename(log, log + ".bak"), RenameResult::ok);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    CloseHandle(ready);
    CloseHandle(release);
}

class Win32FilesTakenTest : public Win32FilesTest, public ::testing::WithParamInterface<EntryCase> {};

// Not one byte or attribute of what holds the name changes, nor anything beside it.
TEST_P(Win32FilesTakenTest, CopyNoClobberNeverTouchesWhateverHoldsTheName) {
    const std::string from = Make("Dummy.chm", "new");
    const std::string target = MakeEntry(GetParam().entry, "guide.chm");
    const auto before = Tree(dir.path());
    EXPECT_EQ(files.CopyNoClobber(from, target), CreateResult::exists);
    EXPECT_EQ(Tree(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Taken, Win32FilesTakenTest, ::testing::ValuesIn(kTakenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32FilesTest, CopyNoClobberMakesAFreeNameAndNothingFromAMissingSource) {
    std::string from = Make("Dummy.chm", "compiled");
    EXPECT_EQ(files.CopyNoClobber(from, dir / "page.chm"), CreateResult::ok);
    EXPECT_EQ(ReadAll(dir / "page.chm"), "compiled");
    EXPECT_EQ(files.CopyNoClobber(dir / "missing.chm", dir / "new.chm"), CreateResult::failed);
    EXPECT_FALSE(files.Exists(dir / "new.chm"));
}

TEST_F(Win32FilesTest, CopyReplaceOverwritesAndDeleteRemoves) {
    std::string from = Make("Dummy.hhp", "project");
    std::string to = Make("copy.hhp", "old");
    EXPECT_TRUE(files.CopyReplace(from, to).ok());
    EXPECT_EQ(ReadAll(to), "project");
    EXPECT_FALSE(files.CopyReplace(dir / "missing", to).ok());
    EXPECT_TRUE(files.Delete(to).ok());
    EXPECT_FALSE(files.Exists(to));
    Status gone = files.Delete(to);
    EXPECT_FALSE(gone.ok());
    EXPECT_FALSE(gone.error().message.empty());
}

class Win32FilesLinesTest : public Win32FilesTest, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(Win32FilesLinesTest, ReadLinesSplitsOnLineFeedAndDropsOneCarriageReturn) {
    auto lines = files.ReadLines(Make("log1.log", GetParam().bytes));
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lines, Win32FilesLinesTest, ::testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32FilesTest, ReadLinesOfAMissingFileIsAnError) { EXPECT_FALSE(files.ReadLines(dir / "missing.log").ok()); }

TEST_F(Win32FilesTest, WriteBytesCreatesOrTruncates) {
    std::string path = dir / "Dummy.hhp";
    ASSERT_TRUE(files.WriteBytes(path, "a long first version\r\n").ok());
    ASSERT_TRUE(files.WriteBytes(path, "short").ok());
    EXPECT_EQ(ReadAll(path), "short");
    EXPECT_FALSE(files.WriteBytes(dir / "no-such-folder\\x.txt", "x").ok());
}

TEST_F(Win32FilesTest, CanWriteInTellsFoldersApart) {
    EXPECT_TRUE(files.CanWriteIn(dir.path() + "\\"));
    EXPECT_FALSE(files.CanWriteIn(dir / "missing\\"));
    // The probe leaves nothing behind.
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Widen(dir / "*.*").c_str(), &found);
    int entries = 0;
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..") ++entries;
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    EXPECT_EQ(entries, 0);
}

TEST_F(Win32FilesTest, MakeFoldersCreatesParentsAndAcceptsExistingOnes) {
    std::string deep = dir / "a\\b\\c\\";
    ASSERT_TRUE(files.MakeFolders(deep).ok());
    DWORD a = GetFileAttributesW(Widen(dir / "a\\b\\c").c_str());
    EXPECT_TRUE(a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(files.MakeFolders(deep).ok());
    std::string file = Make("plain.txt");
    EXPECT_FALSE(files.MakeFolders(file + "\\sub\\").ok());
}

}  // namespace
}  // namespace tess::testing
