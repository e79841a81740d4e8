// Arguments come from the UTF-16 command line, whole in any language and split as the system splits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/command_line.h"

namespace tess::testing {
namespace {

TEST(Win32CommandLineTest, SplitsTheUtf16CommandLineIntoUtf8Arguments) {
    struct Case {
        const wchar_t* line;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {L"convert.exe ガイド.htm", {"convert.exe", "ガイド.htm"}},
        {L"convert.exe \"日本語 フォルダ\\ページ.html\" Résumé.htm",
         {"convert.exe", "日本語 フォルダ\\ページ.html", "Résumé.htm"}},
        // Outside the basic plane (a surrogate pair in UTF-16) and a code-page-932-only mark.
        {L"\"C:\\Program Files\\x.exe\" 😀.htm ～", {"C:\\Program Files\\x.exe", "😀.htm", "～"}},
        // Backslashes are literal unless they come before a quote.
        {L"x.exe C:\\a\\ \"C:\\b c\\\\\" \\\"q\\\"", {"x.exe", "C:\\a\\", "C:\\b c\\", "\"q\""}},
        {L"x.exe \"\" end", {"x.exe", "", "end"}},
    };
    for (const Case& c : cases) EXPECT_EQ(win32::ArgumentsOf(c.line), c.arguments);
}

}  // namespace
}  // namespace tess::testing
