#include "platform/win32/win32_text_codec.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/wide_text.h"

namespace tess::win32 {
namespace {

constexpr UINT kAnsi = 932;

std::wstring FromCodePage(std::string_view bytes, UINT code_page = kAnsi) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return wide;
}

// The code-page form of `wide`, only when it converts without a substitute and back to the same.
bool Faithful(std::wstring_view wide, std::string* out) {
    if (wide.empty()) {
        out->clear();
        return true;
    }
    BOOL used_default = FALSE;
    int n = WideCharToMultiByte(kAnsi, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr,
                                0, nullptr, &used_default);
    if (n <= 0 || used_default) return false;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kAnsi, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                        nullptr, &used_default);
    if (used_default || FromCodePage(bytes) != wide) return false;
    *out = std::move(bytes);
    return true;
}

std::string CodePointName(std::wstring_view ch) {
    unsigned cp = ch[0];
    if (ch.size() == 2) cp = 0x10000 + ((ch[0] - 0xD800u) << 10) + (ch[1] - 0xDC00u);
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", cp);
    return name;
}

}  // namespace

Result<std::string> Win32TextCodec::ToAnsi(std::string_view utf8) {
    if (!utf8.empty() && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0) == 0)
        return Error{"The text is not valid UTF-8."};
    std::wstring wide = Widen(utf8);
    std::string ansi;
    if (Faithful(wide, &ansi)) return ansi;
    // Name the first character at fault, so the user knows what to rename.
    for (size_t i = 0; i < wide.size();) {
        size_t n = (wide[i] >= 0xD800 && wide[i] < 0xDC00 && i + 1 < wide.size()) ? 2 : 1;
        std::wstring_view ch(wide.data() + i, n);
        std::string ignored;
        if (!Faithful(ch, &ignored))
            return Error{"The character \"" + Narrow(ch) + "\" (" + CodePointName(ch) +
                         ") has no code page 932 form."};
        i += n;
    }
    return Error{"The text has no code page 932 form."};
}

std::string Win32TextCodec::FromAnsi(std::string_view ansi) { return Narrow(FromCodePage(ansi)); }

std::string Win32TextCodec::FromSystemAnsi(std::string_view ansi) { return Narrow(FromCodePage(ansi, GetACP())); }

}  // namespace tess::win32
