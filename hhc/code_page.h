// Conversions between UTF-8 and Windows code pages, done by the OS: iconv on Linux, the
// code page functions on Windows. Code pages are Windows numbers (932, 1252, 65001, 1200).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hhc {

// The bytes as UTF-8; a byte sequence invalid there becomes U+FFFD. Nothing when the OS
// does not know the code page.
std::optional<std::string> DecodeCodePage(std::string_view bytes, uint32_t code_page);

// UTF-8 text in the code page; nothing when a character has no form there.
std::optional<std::string> EncodeCodePage(std::string_view utf8, uint32_t code_page);

}  // namespace hhc
