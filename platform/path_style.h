// The path syntax of the platform the program is built for.
#pragma once

#include <string_view>

namespace tess {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
inline constexpr std::string_view kCompilerFileName = "hhc.exe";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
inline constexpr std::string_view kCompilerFileName = "hhc";
#endif

}  // namespace tess
