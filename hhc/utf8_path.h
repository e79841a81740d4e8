// Paths are UTF-8 text throughout hhc; std::filesystem is told so explicitly, so that a
// Windows build does not read them in the ANSI code page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hhc {

inline std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string TextOf(const std::filesystem::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace hhc
