#include "chm/names.h"

#include <algorithm>
#include <set>

#include "chm/writer.h"

namespace chm {
namespace {

unsigned char Folded(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

bool WellFormedUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t extra;
        if (c < 0x80) extra = 0;
        else if ((c & 0xE0) == 0xC0) extra = 1;
        else if ((c & 0xF0) == 0xE0) extra = 2;
        else if ((c & 0xF8) == 0xF0) extra = 3;
        else return false;
        if (s.size() - i <= extra) return false;
        uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            auto x = static_cast<unsigned char>(s[i + k]);
            if ((x & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (x & 0x3F);
        }
        static constexpr uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

tess::Status Refuse(std::string_view name, const std::string& why) {
    return tess::Error{"The file name \"" + std::string(name) + "\" cannot be stored: " + why};
}

}  // namespace

bool NameLess(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = Folded(a[i]), y = Folded(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool NameEqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && !NameLess(a, b) && !NameLess(b, a);
}

tess::Status CheckStoredName(std::string_view name) {
    if (name.empty() || name == "/") return Refuse(name, "the name is empty.");
    if (name.front() != '/') return Refuse(name, "the name must start with \"/\".");
    if (name.size() > kMaxNameBytes)
        return Refuse(name, "the name is longer than " + std::to_string(kMaxNameBytes) + " bytes.");
    if (!WellFormedUtf8(name)) return Refuse(name, "the name is not well-formed UTF-8.");
    if (name[1] == '#' || name[1] == '$' || name.starts_with("::"))
        return Refuse(name, "names starting with \"/#\" or \"/$\" are the compiled file's own entries.");
    if (name.back() == '/') return Refuse(name, "the name ends with \"/\", which marks a folder.");
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return Refuse(name, "the name holds a control character.");
        if (c == '\\') return Refuse(name, "the name holds \"\\\"; folders are separated by \"/\".");
    }
    size_t start = 1;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string_view::npos) end = name.size();
        std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return Refuse(name, "the name has an empty, \".\" or \"..\" part.");
        start = end + 1;
    }
    return {};
}

std::vector<std::string> FoldersOf(const std::vector<std::string_view>& names) {
    // Folders that differ only in case are one folder to a reader: the first spelling stays.
    auto less = [](const std::string& a, const std::string& b) { return NameLess(a, b); };
    std::set<std::string, decltype(less)> folders(less);
    for (std::string_view name : names) {
        for (size_t slash = name.find('/', 1); slash != std::string_view::npos; slash = name.find('/', slash + 1))
            folders.emplace(name.substr(0, slash + 1));
    }
    return {folders.begin(), folders.end()};
}

std::string WithLeadingSlash(std::string_view name) {
    std::string full;
    full.reserve(name.size() + 1);
    if (!name.starts_with('/')) full.push_back('/');
    full.append(name);
    return full;
}

std::string UrlOf(std::string_view name) {
    if (name.starts_with('/')) name.remove_prefix(1);
    // Microsoft's compiler keeps blanks as they are ("page 1.html"); readers look the name up as stored.
    return std::string(name);
}

}  // namespace chm
