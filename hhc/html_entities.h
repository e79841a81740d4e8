// Character references: &amp; &#233; &#x2014; and the common named ones.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hhc {

// UTF-8 text with its references replaced; unknown or malformed ones stay as written.
std::string DecodeCharacterReferences(std::string_view utf8);

// A code point as UTF-8 (U+FFFD for one that cannot be a character).
std::string Utf8Of(uint32_t code_point);

}  // namespace hhc
