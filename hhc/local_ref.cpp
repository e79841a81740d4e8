#include "hhc/local_ref.h"

#include <cctype>
#include <vector>

namespace hhc {
namespace {

// "C:/x" or "C:\\x": a path on a Windows drive.
bool IsDrivePath(std::string_view ref) {
    return ref.size() >= 2 && std::isalpha(static_cast<unsigned char>(ref[0])) && ref[1] == ':' &&
           (ref.size() == 2 || ref[2] == '/' || ref[2] == '\\');
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
    return true;
}

bool HasScheme(std::string_view ref) {
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

}  // namespace

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

LocalRef ResolveRef(std::string_view ref, std::string_view from_folder) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; };
    while (!ref.empty() && blank(ref.front())) ref.remove_prefix(1);
    while (!ref.empty() && blank(ref.back())) ref.remove_suffix(1);
    ref = ref.substr(0, ref.find_first_of("#?"));
    if (ref.empty() || ref.starts_with("//") || ref.starts_with("\\\\")) return {};
    LocalRef outside{LocalRef::Kind::outside, PercentDecode(ref)};
    if (IsDrivePath(ref) || StartsWithNoCase(ref, "file:")) return outside;
    if (HasScheme(ref)) return {};
    if (ref.front() == '/' || ref.front() == '\\') return outside;

    std::string path = PercentDecode(ref);
    if (path.find('\0') != std::string::npos) return {};
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.back() == '/') return {};

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
    if (!push(from_folder) || !push(path)) return outside;
    if (parts.empty()) return {};
    std::string joined;
    for (const auto& part : parts) {
        if (!joined.empty()) joined += '/';
        joined += part;
    }
    return {LocalRef::Kind::inside, joined};
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
