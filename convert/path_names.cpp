#include "convert/path_names.h"

#include "platform/path_style.h"

namespace tess {

namespace {

bool IsSeparator(char c) { return kPathSeparators.find(c) != std::string_view::npos; }

// Length of the root at the start of the path ("/", "C:\", "\\server\share\"), or 0.
std::size_t RootLength(std::string_view path) {
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':') return (path.size() >= 3 && IsSeparator(path[2])) ? 3 : 2;
#endif
    return (!path.empty() && IsSeparator(path[0])) ? 1 : 0;
}

}  // namespace

std::string GetExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    return std::string(path.substr(dot + 1));
}

std::string GetParentFolderName(std::string_view path) {
    const std::size_t root = RootLength(path);
    std::size_t end = path.size();
    while (end > root && IsSeparator(path[end - 1])) --end;  // a trailing separator is not a component
    while (end > root && !IsSeparator(path[end - 1])) --end;  // drop the last component
    if (end <= root) return std::string(path.substr(0, root));
    while (end > root && IsSeparator(path[end - 1])) --end;
    return std::string(path.substr(0, end));
}

std::string GetBaseName(std::string_view path) {
    std::size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) --end;
    std::size_t start = end;
    while (start > 0 && !IsSeparator(path[start - 1])) --start;
#ifdef _WIN32
    if (start == 0 && end >= 2 && path[1] == ':') start = 2;
#endif
    std::string_view name = path.substr(start, end - start);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || !IsSeparator(folder.back())) folder += kPathSeparator;
    return folder;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace tess
