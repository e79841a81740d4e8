#include "tools/hhc/local_ref.h"

#include <cctype>
#include <vector>

namespace hhc {
namespace {

bool HasScheme(std::string_view ref) {
    // "C:/x" is a drive path, as absolute as "file:"; both are left out.
    if (ref.empty() || !std::isalpha(static_cast<unsigned char>(ref[0]))) return false;
    for (char c : ref.substr(1)) {
        if (c == ':') return true;
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') return false;
    }
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> LocalTarget(std::string_view ref, std::string_view from_folder) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; };
    while (!ref.empty() && blank(ref.front())) ref.remove_prefix(1);
    while (!ref.empty() && blank(ref.back())) ref.remove_suffix(1);
    ref = ref.substr(0, ref.find_first_of("#?"));
    if (ref.empty() || HasScheme(ref) || ref.front() == '/' || ref.front() == '\\') return std::nullopt;

    std::string path = PercentDecode(ref);
    if (path.find('\0') != std::string::npos) return std::nullopt;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.back() == '/') return std::nullopt;

    std::vector<std::string> parts;
    auto push = [&parts](std::string_view text) {
        while (!text.empty()) {
            size_t slash = text.find('/');
            std::string_view part = text.substr(0, slash);
            text.remove_prefix(slash == std::string_view::npos ? text.size() : slash + 1);
            if (part.empty() || part == ".") continue;
            if (part == "..") {
                if (parts.empty()) return false;
                parts.pop_back();
            } else {
                parts.emplace_back(part);
            }
        }
        return true;
    };
    if (!push(from_folder) || !push(path) || parts.empty()) return std::nullopt;
    std::string joined;
    for (const auto& part : parts) {
        if (!joined.empty()) joined += '/';
        joined += part;
    }
    return joined;
}

bool IsPageName(std::string_view name) {
    auto ends_with = [name](std::string_view ext) {
        if (name.size() <= ext.size()) return false;
        for (size_t i = 0; i < ext.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i]) return false;
        return true;
    };
    return ends_with(".htm") || ends_with(".html");
}

}  // namespace hhc
