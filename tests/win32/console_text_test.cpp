// Standard output shows names in any language: UTF-16 to a console whatever its code page,
// UTF-8 with CR LF when redirected, and no character split between two writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/win32/console_text.h"
#include "platform/win32/wide_text.h"

namespace tess::testing {
namespace {

TEST(Win32ConsoleTextTest, AnIncompleteCharacterAtTheEndIsHeldBack) {
    struct Case {
        std::string text;
        size_t complete;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"ガ", 3},
        {"a\xE3\x82", 1},      // two of ガ's three bytes
        {"é\xC3", 2},          // the first of é's two
        {"😀", 4},
        {"x\xF0\x9F\x98", 1},  // three of four
        {"\x80\x80\x80\x80", 4},  // stray continuation bytes are passed on, not held for ever
    };
    for (const Case& c : cases) EXPECT_EQ(win32::CompleteUtf8Length(c.text), c.complete) << c.text;
}

TEST(Win32ConsoleTextTest, RedirectedOutputIsUtf8WithWindowsLineEndsAndWholeCharacters) {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 1 << 16));
    {
        win32::ConsoleTextBuffer buffer(write);
        std::ostream out(&buffer);
        // Byte by byte: a write that ends inside a character must not send half of it.
        for (char c : std::string("C:\\日本語 フォルダ\\ページ.chm\n")) out.put(c).flush();
        out << "Résumé\r\nend" << std::flush;
    }
    CloseHandle(write);
    std::string got;
    char chunk[256];
    DWORD n = 0;
    while (ReadFile(read, chunk, sizeof chunk, &n, nullptr) && n > 0) got.append(chunk, n);
    CloseHandle(read);
    EXPECT_EQ(got, "C:\\日本語 フォルダ\\ページ.chm\r\nRésumé\r\nend");
}

TEST(Win32ConsoleTextTest, AConsoleShowsTheTextWhateverItsCodePage) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(console, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(win32::IsConsole(console));
    // A Western console: its code page holds none of these characters.
    SetConsoleOutputCP(1252);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(console, &info));
    const std::string text = "ガイド.chm Résumé";
    {
        win32::ConsoleTextBuffer buffer(console);
        std::ostream out(&buffer);
        for (char c : text) out.put(c);
        out << std::flush;
    }
    const std::wstring want = win32::Widen(text);
    std::wstring shown(want.size(), L' ');
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(console, shown.data(), static_cast<DWORD>(shown.size()),
                                            info.dwCursorPosition, &read));
    CloseHandle(console);
    FreeConsole();
    EXPECT_EQ(win32::Narrow(shown.substr(0, read)), text);
}

}  // namespace
}  // namespace tess::testing
