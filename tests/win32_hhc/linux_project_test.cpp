// The project handed to the Linux compiler: Linux paths in code page 932, its outputs in
// the private folder, every other line as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "tools/hhc/win32/linux_project.h"

namespace tess::testing {
namespace {

using win32::Narrow;

std::string Ansi(const std::string& utf8) {
    std::wstring wide = win32::Widen(utf8);
    int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// Z:\a\b -> /a/b, as Wine maps its root drive.
tess::Result<std::string> FakeUnix(const std::wstring& path) {
    std::string p = Narrow(path);
    if (p.rfind("Z:\\", 0) != 0) return tess::Error{"not on Z: " + p};
    p = p.substr(2);
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

const std::string kProject = Ansi(
    "[OPTIONS]\r\nCompatibility = 1.1 Or later\r\nCompiled file=Z:\\w d\\Dummy.chm\r\n"
    "Default topic=Z:\\ページ 集\\頁.htm\r\nError log file = Z:\\w d\\log1.log\r\nLanguage=0x411 日本語\r\n\r\n"
    "[FILES]\r\n頁.htm\r\n\r\n[INFOTYPES]\r\n");

TEST(HhcLinuxProject, OutputsAreFoundAndRelativeValuesTakenFromTheProjectFolder) {
    auto places = hhc::win32::FindOutputs(kProject, L"Z:\\ページ 集");
    EXPECT_EQ(Narrow(places.compiled_file), "Z:\\w d\\Dummy.chm");
    EXPECT_EQ(Narrow(places.log_file), "Z:\\w d\\log1.log");
}

TEST(HhcLinuxProject, EveryPathBecomesLinuxAndTheOutputsGoToThePrivateFolder) {
    auto text = hhc::win32::LinuxProjectText(kProject, L"Z:\\ページ 集", {"/tmp/p/out.chm", "/tmp/p/out.log"},
                                             &FakeUnix);
    ASSERT_TRUE(text.ok()) << text.error().message;
    EXPECT_EQ(*text, Ansi("[OPTIONS]\r\nCompatibility = 1.1 Or later\r\nCompiled file=/tmp/p/out.chm\r\n"
                          "Default topic=/ページ 集/頁.htm\r\nError log file =/tmp/p/out.log\r\n"
                          "Language=0x411 日本語\r\n\r\n[FILES]\r\n/ページ 集/頁.htm\r\n\r\n[INFOTYPES]\r\n"));
}

TEST(HhcLinuxProject, APathWineCannotMapIsAFailureThatNamesIt) {
    auto text = hhc::win32::LinuxProjectText(Ansi("[FILES]\r\nC:\\x.htm\r\n"), L"Z:\\", {"/o.chm", "/o.log"},
                                             &FakeUnix);
    ASSERT_FALSE(text.ok());
    EXPECT_NE(text.error().message.find("C:\\x.htm"), std::string::npos) << text.error().message;
}

}  // namespace
}  // namespace tess::testing
