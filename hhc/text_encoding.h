// Which code page a page is written in, and titles put into the compiled file's code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hhc {

inline constexpr uint32_t kUtf8 = 65001;
inline constexpr uint32_t kUtf16Le = 1200;
inline constexpr uint32_t kUtf16Be = 1201;

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view text);
// Whether ASCII text is the same bytes in `code_page`, as the converter says.
bool KeepsAscii(uint32_t code_page);

// `bytes` with each byte that starts no well-formed UTF-8 sequence replaced by U+FFFD: text
// that says it is UTF-8 and is not still reaches the compiled file as UTF-8.
std::string RepairedUtf8(std::string_view bytes);

// "Shift_JIS" -> 932, "utf-8" -> 65001 ...; 0 for a name not known here.
uint32_t CodePageOfCharset(std::string_view charset);

// UTF-8 text in `code_page`. A character without a form there takes a close one (U+2015
// for an em dash, a plain letter for an accented one) or else "?": a title is shown, not
// looked up, so a near form is better than none. `lost`, when given, is set if a "?" was.
std::string ToCodePage(std::string_view utf8, uint32_t code_page, bool* lost = nullptr);

// A name (a path inside the compiled file) in `code_page`, exactly: names are looked up, so
// nothing is substituted. A name without an exact form, or whose form would read back as
// another name, stays UTF-8.
std::string NameInCodePage(std::string_view utf8, uint32_t code_page);

}  // namespace hhc
