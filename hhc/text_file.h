// Text files a project consists of (.hhp, .hhc, .hhk, popup texts, #include'd headers), as
// their authors keep them: UTF-8 with or without a BOM, UTF-16 with a BOM, or a code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hhc {

// Takes a byte order mark off `bytes`: the code page it names (UTF-8 or UTF-16), 0 without one.
uint32_t TakeByteOrderMark(std::string_view& bytes);

// The text as UTF-8. A BOM decides; without one, text that is well-formed UTF-8 is taken as
// such, and anything else is read in `code_page`.
std::string TextFileAsUtf8(std::string_view bytes, uint32_t code_page);

}  // namespace hhc
