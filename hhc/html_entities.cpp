#include "hhc/html_entities.h"

#include <algorithm>
#include <cstring>

namespace hhc {
namespace {

struct Named {
    const char* name;
    uint32_t code_point;
};

// Sorted by name. The ones pages and titles use in practice; the rest stay as written.
constexpr Named kNamed[] = {
    {"amp", '&'},        {"apos", '\''},      {"bull", 0x2022},    {"cent", 0xA2},      {"copy", 0xA9},
    {"deg", 0xB0},       {"divide", 0xF7},    {"euro", 0x20AC},    {"gt", '>'},         {"hellip", 0x2026},
    {"laquo", 0xAB},     {"larr", 0x2190},    {"ldquo", 0x201C},   {"lsaquo", 0x2039},  {"lsquo", 0x2018},
    {"lt", '<'},         {"mdash", 0x2014},   {"middot", 0xB7},    {"nbsp", 0xA0},      {"ndash", 0x2013},
    {"para", 0xB6},      {"plusmn", 0xB1},    {"pound", 0xA3},     {"quot", '"'},       {"raquo", 0xBB},
    {"rarr", 0x2192},    {"rdquo", 0x201D},   {"reg", 0xAE},       {"rsaquo", 0x203A},  {"rsquo", 0x2019},
    {"sect", 0xA7},      {"shy", 0xAD},       {"times", 0xD7},     {"trade", 0x2122},   {"yen", 0xA5},
};

bool IsAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

int DigitValue(char c, int base) {
    int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    return v < base ? v : -1;
}

// The reference at s[0] == '&': its length and code point, or length 0.
size_t ReadReference(std::string_view s, uint32_t& code_point) {
    if (s.size() >= 3 && s[1] == '#') {
        int base = s[2] == 'x' || s[2] == 'X' ? 16 : 10;
        size_t i = base == 16 ? 3 : 2, start = i;
        uint64_t value = 0;
        while (i < s.size() && DigitValue(s[i], base) >= 0) {
            value = std::min<uint64_t>(value * base + DigitValue(s[i], base), 0x110000);
            ++i;
        }
        if (i == start) return 0;
        if (i < s.size() && s[i] == ';') ++i;
        bool bad = value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF);
        code_point = bad ? 0xFFFD : static_cast<uint32_t>(value);
        return i;
    }
    size_t i = 1;
    while (i < s.size() && IsAlnum(s[i])) ++i;
    std::string name(s.substr(1, i - 1));
    auto it = std::lower_bound(std::begin(kNamed), std::end(kNamed), name,
                               [](const Named& n, const std::string& x) { return std::strcmp(n.name, x.c_str()) < 0; });
    if (it == std::end(kNamed) || name != it->name) return 0;
    bool semicolon = i < s.size() && s[i] == ';';
    // Old pages write "&amp" or "&lt" without the ";"; other names need it ("&copy=1" in a query is no sign).
    if (!semicolon && name != "amp" && name != "lt" && name != "gt" && name != "quot") return 0;
    code_point = it->code_point;
    return semicolon ? i + 1 : i;
}

}  // namespace

std::string Utf8Of(uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string DecodeCharacterReferences(std::string_view s) {
    if (s.find('&') == std::string_view::npos) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        uint32_t cp = 0;
        size_t n = s[i] == '&' ? ReadReference(s.substr(i), cp) : 0;
        if (n == 0) {
            out += s[i++];
        } else {
            out += Utf8Of(cp);
            i += n;
        }
    }
    return out;
}

}  // namespace hhc
