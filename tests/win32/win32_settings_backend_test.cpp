// Settings land where the platform's per-application settings functions keep them.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_settings_backend.h"
#include "tests/support/settings_cases.h"

namespace tess::testing {
namespace {

using win32::Widen;

class Win32SettingsTest : public ::testing::Test {
protected:
    win32::Win32SettingsBackend settings;
    std::string app = "TessalineTest" + std::to_string(GetCurrentProcessId());
    std::wstring AppKey() { return L"Software\\VB and VBA Program Settings\\" + Widen(app); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, AppKey().c_str()); }

    // Read as any other program would: straight from the registry.
    std::wstring RawValue(const std::string& section, const std::string& key, DWORD* type) {
        HKEY h = nullptr;
        std::wstring path = AppKey() + L"\\" + Widen(section);
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS)
            return L"<no key>";
        wchar_t data[512] = {};
        DWORD size = sizeof data;
        LONG status = RegQueryValueExW(h, Widen(key).c_str(), nullptr, type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(h);
        return status == ERROR_SUCCESS ? std::wstring(data) : L"<no value>";
    }
};

TEST_F(Win32SettingsTest, WritesAStringValueUnderTheApplicationAndSection) {
    ASSERT_TRUE(settings.Set(app, "info", "EndOption", "open").ok());
    DWORD type = 0;
    EXPECT_EQ(RawValue("info", "EndOption", &type), L"open");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(settings.Get(app, "info", "EndOption"), "open");
}

class Win32SettingsRoundTrip : public Win32SettingsTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Win32SettingsRoundTrip, ValueComesBackExactlyAndOtherProgramsReadItAsText) {
    win32::Win32SettingsBackend reader;
    CheckRoundTrip(settings, reader, app, GetParam().value);
    DWORD type = 0;
    EXPECT_EQ(RawValue("info", "InstallPath", &type), Widen(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Values, Win32SettingsRoundTrip, ::testing::ValuesIn(kSettingsValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32SettingsTest, ALaterWriteReplacesAndWhatWasNeverWrittenReadsEmpty) { CheckReplaceAndMissing(settings, app); }

TEST_F(Win32SettingsTest, ValuesStoredByEarlierVersionsAreRead) {
    HKEY h = nullptr;
    std::wstring path = AppKey() + L"\\info";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    const wchar_t with_nul[] = L"close";
    RegSetValueExW(h, L"EndOption", 0, REG_SZ, reinterpret_cast<const BYTE*>(with_nul), sizeof with_nul);
    // Some writers leave the terminator off.
    const wchar_t bare[] = {L'O', L'F', L'F'};
    RegSetValueExW(h, L"StartSplash", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof bare);
    DWORD number = 1;
    RegSetValueExW(h, L"Message", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(h);
    EXPECT_EQ(settings.Get(app, "info", "EndOption"), "close");
    EXPECT_EQ(settings.Get(app, "info", "StartSplash"), "OFF");
    EXPECT_EQ(settings.Get(app, "info", "Message"), "");
}

}  // namespace
}  // namespace tess::testing
