// Comparing names the way the registry does: ASCII letters without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace tess {

inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Safe for UTF-8, whose multi-byte sequences hold no ASCII bytes.
inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

inline std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = AsciiLower(c);
    return lowered;
}

}  // namespace tess
