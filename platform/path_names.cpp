#include "platform/path_names.h"

namespace tess {

namespace {

bool IsSeparator(char c, const PathSyntax& syntax) { return syntax.separators.find(c) != std::string_view::npos; }

bool HasDrive(std::string_view path, const PathSyntax& syntax) {
    return syntax.drive_roots && path.size() >= 2 && path[1] == ':';
}

// Length of the root at the start of the path ("/", "C:\", "\"), or 0.
std::size_t RootLength(std::string_view path, const PathSyntax& syntax) {
    if (HasDrive(path, syntax)) return (path.size() >= 3 && IsSeparator(path[2], syntax)) ? 3 : 2;
    return (!path.empty() && IsSeparator(path[0], syntax)) ? 1 : 0;
}

}  // namespace

std::string GetExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    return std::string(path.substr(dot + 1));
}

std::string GetParentFolderName(std::string_view path, const PathSyntax& syntax) {
    const std::size_t root = RootLength(path, syntax);
    std::size_t end = path.size();
    while (end > root && IsSeparator(path[end - 1], syntax)) --end;   // a trailing separator is not a component
    while (end > root && !IsSeparator(path[end - 1], syntax)) --end;  // drop the last component
    if (end <= root) return std::string(path.substr(0, root));
    while (end > root && IsSeparator(path[end - 1], syntax)) --end;
    return std::string(path.substr(0, end));
}

std::string GetBaseName(std::string_view path, const PathSyntax& syntax) {
    std::size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1], syntax)) --end;
    std::size_t start = end;
    while (start > 0 && !IsSeparator(path[start - 1], syntax)) --start;
    if (start == 0 && end >= 2 && HasDrive(path, syntax)) start = 2;
    std::string_view name = path.substr(start, end - start);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

std::string WithTrailingSeparator(std::string folder, const PathSyntax& syntax) {
    if (folder.empty() || !IsSeparator(folder.back(), syntax)) folder += syntax.separator;
    return folder;
}

std::string JoinPath(const std::string& folder, std::string_view name, const PathSyntax& syntax) {
    return folder + syntax.separator + std::string(name);
}

}  // namespace tess
