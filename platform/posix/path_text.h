// Splitting POSIX paths as text.
#pragma once

#include <string>

namespace tess {

// The folder part of `path`: "." when it has none, "/" for a file in the root.
inline std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace tess
