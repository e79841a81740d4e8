// Path syntax as a value: the shared code is handed one, so the rules of either system can be
// run (and tested) anywhere. The build picks the native one here and nowhere else.
#pragma once

#include <string_view>

namespace tess {

struct PathSyntax {
    char separator;                       // written between components
    std::string_view separators;          // read as separators
    bool drive_roots;                     // "C:" and "C:\" are roots
    std::string_view compiler_file_name;  // the help compiler's program in its folder
};

inline constexpr PathSyntax kPosixPaths{'/', "/", false, "hhc"};
inline constexpr PathSyntax kWindowsPaths{'\\', "\\/", true, "hhc.exe"};

#ifdef _WIN32
inline constexpr const PathSyntax& kNativePaths = kWindowsPaths;
#else
inline constexpr const PathSyntax& kNativePaths = kPosixPaths;
#endif

}  // namespace tess
