#include "hhc/code_page.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

// UTF-16 has no code page functions of its own; every other page goes through
// MultiByteToWideChar / WideCharToMultiByte.
namespace hhc {
namespace {

constexpr uint32_t kUtf16Le = 1200;
constexpr uint32_t kUtf16Be = 1201;

std::wstring FromUtf16(std::string_view bytes, bool big_endian) {
    std::wstring wide;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<wchar_t>(big_endian ? (a << 8) | b : (b << 8) | a);
    }
    if (bytes.size() % 2) wide += L'\xFFFD';
    return wide;
}

std::string ToUtf16(std::wstring_view wide, bool big_endian) {
    std::string bytes;
    for (wchar_t c : wide) {
        const char high = static_cast<char>((c >> 8) & 0xFF), low = static_cast<char>(c & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    }
    return bytes;
}

std::wstring Convert(std::string_view bytes, UINT page, DWORD flags) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    int n = MultiByteToWideChar(page, flags, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(page, flags, bytes.data(), length, wide.data(), n);
    return wide;
}

// An invalid sequence becomes U+FFFD, as on Linux; left to itself Windows puts the code
// page's own default there (U+30FB in code page 932), which looks like text.
std::wstring Decode(std::string_view bytes, UINT page) {
    if (bytes.empty()) return {};
    if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0) > 0)
        return Convert(bytes, page, MB_ERR_INVALID_CHARS);
    CPINFO info{};
    const bool piecewise = GetLastError() == ERROR_NO_UNICODE_TRANSLATION && page != CP_UTF8 &&
                           GetCPInfo(page, &info) && info.MaxCharSize <= 2;
    if (!piecewise) return Convert(bytes, page, 0);
    std::wstring wide;
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = IsDBCSLeadByteEx(page, static_cast<BYTE>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        std::wstring one = Convert(bytes.substr(i, n), page, MB_ERR_INVALID_CHARS);
        wide += one.empty() ? std::wstring(1, L'\xFFFD') : one;
        i += n;
    }
    return wide;
}

bool Known(uint32_t page) { return page == kUtf16Le || page == kUtf16Be || IsValidCodePage(page); }

}  // namespace

std::optional<std::string> DecodeCodePage(std::string_view bytes, uint32_t code_page) {
    if (!Known(code_page)) return std::nullopt;
    if (code_page == kUtf16Le || code_page == kUtf16Be)
        return tess::win32::Narrow(FromUtf16(bytes, code_page == kUtf16Be));
    return tess::win32::Narrow(Decode(bytes, code_page));
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, uint32_t code_page) {
    if (!Known(code_page)) return std::nullopt;
    if (!utf8.empty() &&
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0) == 0)
        return std::nullopt;
    const std::wstring wide = tess::win32::Widen(utf8);
    if (code_page == kUtf16Le || code_page == kUtf16Be) return ToUtf16(wide, code_page == kUtf16Be);
    if (wide.empty()) return std::string();
    // A substitute or a best-fit look-alike does not come back as the same text.
    const int length = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(code_page, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), length, bytes.data(), n, nullptr, nullptr);
    if (Decode(bytes, code_page) != wide) return std::nullopt;
    return bytes;
}

}  // namespace hhc
