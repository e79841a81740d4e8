#include "tools/hhc/css_refs.h"

#include <cctype>

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

// A quoted string starting at s[i]; backslash escapes keep the next character.
std::string ReadQuoted(std::string_view s, size_t& i) {
    char quote = s[i++];
    std::string out;
    while (i < s.size() && s[i] != quote && s[i] != '\n') {
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        out += s[i++];
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
    while (i < s.size() && s[i] != ')') {
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        out += s[i++];
    }
    while (!out.empty() && std::isspace(static_cast<unsigned char>(out.back()))) out.pop_back();
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
