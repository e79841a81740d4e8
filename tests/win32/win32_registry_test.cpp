// Registry reads through the ANSI functions, against values the test puts in the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_text_codec.h"
#include "tests/win32/temp_folder.h"

namespace tess::testing {
namespace {

constexpr const char* kWorkshopKey = "Software\\Microsoft\\HTML Help Workshop";

class Win32RegistryTest : public ::testing::Test {
protected:
    TempFolder program_folder;  // holds no hhc.exe: only the real registry answers
    win32::Win32Registry registry{win32::Widen(program_folder.path())};
    std::string key_path = "Software\\Tessaline Tests\\" + std::to_string(GetCurrentProcessId());

    void Put(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
             DWORD size) {
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(h, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(h);
    }
    void PutString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
        Put(root, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, key_path.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key_path.c_str());
    }
};

TEST_F(Win32RegistryTest, TheWorkshopFolderIsReadFromTheCurrentUser) {
    HKEY saved = nullptr;
    bool existed = RegOpenKeyExA(HKEY_CURRENT_USER, kWorkshopKey, 0, KEY_READ, &saved) == ERROR_SUCCESS;
    if (saved) RegCloseKey(saved);
    const std::string folder = "C:\\Program Files (x86)\\HTML Help Workshop";
    PutString(HKEY_CURRENT_USER, kWorkshopKey, "InstallDir", folder);

    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(RegRoot::current_user, kWorkshopKey, kKeyQueryValue, &key), kRegSuccess);
    unsigned char buffer[250] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(key, "InstallDir", nullptr, buffer, &size), kRegSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer)), folder);
    EXPECT_EQ(size, folder.size() + 1);
    registry.CloseKey(key);
    if (!existed) RegDeleteTreeA(HKEY_CURRENT_USER, kWorkshopKey);
}

TEST_F(Win32RegistryTest, AValueLongerThanTheBufferReportsMoreData) {
    std::string exact(249, 'a');  // 250 bytes with its terminator: fits
    std::string over(250, 'b');   // 251 bytes: does not
    PutString(HKEY_CURRENT_USER, key_path, "exact", exact);
    PutString(HKEY_CURRENT_USER, key_path, "over", over);
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(RegRoot::current_user, key_path, kKeyQueryValue, &key), kRegSuccess);
    unsigned char buffer[250] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(key, "exact", nullptr, buffer, &size), kRegSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer)), exact);
    size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(key, "over", nullptr, buffer, &size), kRegMoreData);
    registry.CloseKey(key);
}

TEST_F(Win32RegistryTest, MissingKeysAndValuesAreNotFound) {
    RegKey key = 0;
    EXPECT_EQ(registry.OpenKey(RegRoot::current_user, key_path + "\\missing", kKeyQueryValue, &key),
              kRegFileNotFound);
    EXPECT_EQ(key, 0u);
    PutString(HKEY_CURRENT_USER, key_path, "present", "x");
    ASSERT_EQ(registry.OpenKey(RegRoot::current_user, key_path, kKeyQueryValue, &key), kRegSuccess);
    unsigned char buffer[16] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(key, "absent", nullptr, buffer, &size), kRegFileNotFound);
    registry.CloseKey(key);
}

TEST_F(Win32RegistryTest, MachineWideValuesComeWithTheirTypes) {
    DWORD number = 0x1234;
    PutString(HKEY_LOCAL_MACHINE, key_path, "PATH", "C:\\Windows\\msinfo32.exe");
    Put(HKEY_LOCAL_MACHINE, key_path, "Number", REG_DWORD, &number, sizeof number);
    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(RegRoot::local_machine, key_path, kKeyReadWrite, &key), kRegSuccess);
    unsigned char buffer[1024] = {};
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.QueryValue(key, "PATH", &type, buffer, &size), kRegSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, std::strlen("C:\\Windows\\msinfo32.exe") + 1);
    size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(key, "Number", &type, buffer, &size), kRegSuccess);
    EXPECT_EQ(type, kRegDword);
    ASSERT_EQ(size, 4u);
    std::uint32_t read = 0;
    std::memcpy(&read, buffer, 4);
    EXPECT_EQ(read, 0x1234u);
    registry.CloseKey(key);
}

// A character of the system's ANSI code page whose bytes code page 932 reads as something else;
// empty on a system that runs under 932.
std::wstring OutsideCodePage932() {
    for (const wchar_t* c : {L"\u00e9", L"\u00fc", L"\u0436", L"\u03b1", L"\u0161", L"\u05d0"}) {
        BOOL lost = FALSE;
        char bytes[8] = {};
        int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, c, 1, bytes, sizeof bytes, nullptr, &lost);
        if (n <= 0 || lost) continue;
        wchar_t back[8] = {};
        int m = MultiByteToWideChar(932, 0, bytes, n, back, 8);
        if (std::wstring(back, static_cast<size_t>(m)) != c) return c;
    }
    return {};
}

TEST_F(Win32RegistryTest, StringsReadThroughTheAnsiCallsDecodeInTheSystemCodePage) {
    const std::wstring odd = OutsideCodePage932();
    const std::wstring folder = GetACP() == 932 ? L"C:\\ツール\\情報" : L"C:\\Tools " + odd + L"\\Info";
    if (GetACP() != 932 && odd.empty()) GTEST_SKIP() << "code page " << GetACP() << " holds no test character";
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, win32::Widen(key_path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &h, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(h, L"MSINFO", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                             static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    RegCloseKey(h);

    RegKey key = 0;
    ASSERT_EQ(registry.OpenKey(RegRoot::local_machine, key_path, kKeyRead, &key), kRegSuccess);
    unsigned char buffer[1024] = {};
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(registry.QueryValue(key, "MSINFO", nullptr, buffer, &size), kRegSuccess);
    registry.CloseKey(key);
    ASSERT_GT(size, 0u);
    win32::Win32TextCodec codec;
    EXPECT_EQ(codec.FromSystemAnsi(std::string(reinterpret_cast<char*>(buffer), size - 1)), win32::Narrow(folder))
        << "system code page " << GetACP();
    // Files the program writes for the compiler stay in code page 932 whatever the system's is.
    EXPECT_EQ(*codec.ToAnsi("情報"), "\x8F\xEE\x95\xF1");
}

// The workshop's entry as the test found it, put back afterwards.
class SavedWorkshopEntry {
public:
    SavedWorkshopEntry() {
        HKEY h = nullptr;
        existed_ = RegOpenKeyExW(HKEY_CURRENT_USER, kWorkshopKeyW, 0, KEY_READ, &h) == ERROR_SUCCESS;
        if (!existed_) return;
        wchar_t value[1024] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        had_value_ = RegQueryValueExW(h, L"InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                     ERROR_SUCCESS;
        value_ = value;
        RegCloseKey(h);
    }
    ~SavedWorkshopEntry() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kWorkshopKeyW);
        if (!existed_) return;
        HKEY h = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kWorkshopKeyW, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr);
        if (h && had_value_)
            RegSetValueExW(h, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value_.c_str()),
                           static_cast<DWORD>((value_.size() + 1) * sizeof(wchar_t)));
        if (h) RegCloseKey(h);
    }
    static constexpr const wchar_t* kWorkshopKeyW = L"Software\\Microsoft\\HTML Help Workshop";

private:
    bool existed_ = false;
    bool had_value_ = false;
    std::wstring value_;
};

void MakeFile(const std::string& path) {
    HANDLE h = CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    CloseHandle(h);
}

// What InstallDir reads as, through the calls the compiler location makes; "" when not found.
struct InstallDirRead {
    long status;
    std::string folder;
};
InstallDirRead ReadInstallDir(Registry& registry, std::uint32_t buffer_size = 250) {
    RegKey key = 0;
    long status = registry.OpenKey(RegRoot::current_user, kWorkshopKey, kKeyQueryValue, &key);
    if (status != kRegSuccess) return {status, ""};
    std::string buffer(buffer_size, '\0');
    std::uint32_t size = buffer_size;
    std::uint32_t type = 0;
    status = registry.QueryValue(key, "InstallDir", &type, reinterpret_cast<unsigned char*>(buffer.data()), &size);
    registry.CloseKey(key);
    if (status != kRegSuccess) return {status, ""};
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, std::strlen(buffer.c_str()) + 1);
    return {status, buffer.c_str()};
}

TEST(Win32RegistryShippedCompilerTest, InstallDirNamesTheProgramFolderOnlyWhenTheWorkshopLeftNone) {
    enum class Entry { none, key_without_value, value };
    enum class Beside { compiler, nothing, folder_named_hhc };
    struct Case {
        const char* what;
        Entry entry;
        Beside beside;
        const char* folder_name;  // the program's folder, inside a temporary one
        bool found;
        bool program_folder;  // else the workshop's own folder
    };
    const Case cases[] = {
        {"no entry, compiler beside", Entry::none, Beside::compiler, "Tessaline 1.1", true, true},
        {"key without InstallDir, compiler beside", Entry::key_without_value, Beside::compiler, "prog", true, true},
        {"installed workshop wins", Entry::value, Beside::compiler, "prog", true, false},
        {"installed workshop, nothing beside", Entry::value, Beside::nothing, "prog", true, false},
        {"no entry, nothing beside", Entry::none, Beside::nothing, "prog", false, false},
        {"no entry, a folder named hhc.exe", Entry::none, Beside::folder_named_hhc, "prog", false, false},
        {"key without InstallDir, nothing beside", Entry::key_without_value, Beside::nothing, "prog", false, false},
        // Georgian letters have no form in any ANSI code page.
        {"program folder without an ANSI form", Entry::none, Beside::compiler, "\xe1\x83\x90\xe1\x83\x91", false, false},
    };
    const std::string workshop = "C:\\Program Files (x86)\\HTML Help Workshop";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SavedWorkshopEntry saved;
        RegDeleteTreeW(HKEY_CURRENT_USER, SavedWorkshopEntry::kWorkshopKeyW);
        if (c.entry != Entry::none) {
            HKEY h = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kWorkshopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr),
                      ERROR_SUCCESS);
            if (c.entry == Entry::value)
                RegSetValueExA(h, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(workshop.c_str()),
                               static_cast<DWORD>(workshop.size() + 1));
            RegCloseKey(h);
        }
        TempFolder temp;
        const std::string folder = temp / c.folder_name;
        ASSERT_TRUE(CreateDirectoryW(win32::Widen(folder).c_str(), nullptr));
        if (c.beside == Beside::compiler) MakeFile(folder + "\\hhc.exe");
        if (c.beside == Beside::folder_named_hhc) CreateDirectoryW(win32::Widen(folder + "\\hhc.exe").c_str(), nullptr);

        // Given with a trailing separator, as a drive's root would be.
        win32::Win32Registry registry(win32::Widen(folder + "\\"));
        InstallDirRead read = ReadInstallDir(registry);
        EXPECT_EQ(read.status == kRegSuccess, c.found) << read.status;
        if (c.found) {
            EXPECT_EQ(read.folder, c.program_folder ? folder : workshop);
        }
    }
}

TEST(Win32RegistryShippedCompilerTest, TheProgramFolderKeepsTheBufferLimit) {
    SavedWorkshopEntry saved;
    RegDeleteTreeW(HKEY_CURRENT_USER, SavedWorkshopEntry::kWorkshopKeyW);
    TempFolder temp;
    MakeFile(temp / "hhc.exe");
    win32::Win32Registry registry(win32::Widen(temp.path()));
    EXPECT_EQ(ReadInstallDir(registry).folder, temp.path());
    EXPECT_EQ(ReadInstallDir(registry, static_cast<std::uint32_t>(temp.path().size() + 1)).folder, temp.path());
    EXPECT_EQ(ReadInstallDir(registry, static_cast<std::uint32_t>(temp.path().size())).status, kRegMoreData);
    // The compiler taken away later is seen at the next read, as a removed workshop would be.
    DeleteFileW(win32::Widen(temp / "hhc.exe").c_str());
    EXPECT_NE(ReadInstallDir(registry).status, kRegSuccess);
}

}  // namespace
}  // namespace tess::testing
