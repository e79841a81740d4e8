#include "hhc/css_refs.h"

#include <cctype>

#include "hhc/html_entities.h"

namespace hhc {
namespace {

bool StartsWithNoCase(std::string_view s, size_t at, std::string_view word) {
    if (s.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[at + i])) != word[i]) return false;
    return true;
}

void SkipBlanks(std::string_view s, size_t& i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// An escape with s[i] on its backslash: up to six hex digits and one blank after them name a
// character ("\\34 " is "4"); any other character stands for itself. A backslash before a line
// end continues the line.
void ReadEscape(std::string_view s, size_t& i, std::string& out) {
    ++i;
    if (i >= s.size()) return;
    if (HexValue(s[i]) < 0) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        if (s[i] != '\n' && s[i] != '\r' && s[i] != '\f') out += s[i];
        ++i;
        return;
    }
    char32_t c = 0;
    for (int digits = 0; digits < 6 && i < s.size() && HexValue(s[i]) >= 0; ++digits) c = c * 16 + HexValue(s[i++]);
    if (i < s.size() && s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    if (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    out += Utf8Of(c == 0 ? 0xFFFD : c);  // surrogates and values past U+10FFFF become U+FFFD there too
}

// A quoted string starting at s[i], its escapes decoded.
std::string ReadQuoted(std::string_view s, size_t& i) {
    char quote = s[i++];
    std::string out;
    while (i < s.size() && s[i] != quote && s[i] != '\n') {
        if (s[i] == '\\') ReadEscape(s, i, out);
        else out += s[i++];
    }
    if (i < s.size()) ++i;
    return out;
}

// The inside of url( ... ), with s[i] just after the "(".
std::string ReadUrl(std::string_view s, size_t& i) {
    SkipBlanks(s, i);
    if (i < s.size() && (s[i] == '"' || s[i] == '\'')) {
        std::string out = ReadQuoted(s, i);
        while (i < s.size() && s[i] != ')') ++i;
        return out;
    }
    std::string out;
    size_t escaped = 0;  // an escaped blank at the end is part of the name
    while (i < s.size() && s[i] != ')') {
        if (s[i] == '\\') {
            ReadEscape(s, i, out);
            escaped = out.size();
        } else {
            out += s[i++];
        }
    }
    while (out.size() > escaped && std::isspace(static_cast<unsigned char>(out.back()))) out.pop_back();
    return out;
}

}  // namespace

std::vector<std::string> CssReferences(std::string_view css) {
    std::vector<std::string> refs;
    size_t i = 0;
    while (i < css.size()) {
        if (css.compare(i, 2, "/*") == 0) {
            size_t end = css.find("*/", i + 2);
            i = end == std::string_view::npos ? css.size() : end + 2;
        } else if (css[i] == '"' || css[i] == '\'') {
            ReadQuoted(css, i);  // a string outside url() or @import names nothing
        } else if (StartsWithNoCase(css, i, "url(")) {
            i += 4;
            std::string ref = ReadUrl(css, i);
            if (!ref.empty()) refs.push_back(std::move(ref));
        } else if (StartsWithNoCase(css, i, "@import")) {
            i += 7;
            SkipBlanks(css, i);
            if (i < css.size() && (css[i] == '"' || css[i] == '\'')) {
                std::string ref = ReadQuoted(css, i);
                if (!ref.empty()) refs.push_back(std::move(ref));
            }  // @import url(...) is met by the url( branch on the next round
        } else {
            ++i;
        }
    }
    return refs;
}

}  // namespace hhc
