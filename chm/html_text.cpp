#include "chm/html_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace chm {
namespace {

struct Named {
    const char* name;
    char32_t code;
};

// Latin-1 from U+00A0, in code order.
constexpr std::array<const char*, 96> kLatin1 = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

constexpr Named kOtherNames[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"lt", 0x3C},       {"gt", 0x3E},       {"apos", 0x27},
    {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},  {"scaron", 0x161},  {"Yuml", 0x178},
    {"fnof", 0x192},    {"circ", 0x2C6},    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},
    {"thinsp", 0x2009}, {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"dagger", 0x2020},
    {"Dagger", 0x2021}, {"bull", 0x2022},   {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032},
    {"Prime", 0x2033},  {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},  {"trade", 0x2122},
    {"larr", 0x2190},   {"uarr", 0x2191},   {"rarr", 0x2192},   {"darr", 0x2193},   {"harr", 0x2194},
    {"lArr", 0x21D0},   {"rArr", 0x21D2},   {"hArr", 0x21D4},   {"minus", 0x2212},  {"infin", 0x221E},
    {"ne", 0x2260},     {"le", 0x2264},     {"ge", 0x2265},     {"forall", 0x2200}, {"exist", 0x2203},
    {"isin", 0x2208},   {"sum", 0x2211},    {"radic", 0x221A},  {"and", 0x2227},    {"or", 0x2228},
    {"cap", 0x2229},    {"cup", 0x222A},    {"int", 0x222B},    {"there4", 0x2234}, {"equiv", 0x2261},
};

// Greek from U+0391 (capitals) and U+03B1 (small letters); U+03A2 has no letter.
constexpr std::array<const char*, 25> kGreek = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta",
                                                "theta", "iota", "kappa", "lambda", "mu", "nu", "xi", "omicron",
                                                "pi", "rho", "sigmaf", "sigma", "tau", "upsilon", "phi", "chi",
                                                "psi", "omega"};

std::optional<char32_t> LookUpName(std::string_view name) {
    for (size_t i = 0; i < kLatin1.size(); ++i)
        if (name == kLatin1[i]) return static_cast<char32_t>(0xA0 + i);
    for (const auto& n : kOtherNames)
        if (name == n.name) return n.code;
    for (size_t i = 0; i < kGreek.size(); ++i) {
        std::string capital = kGreek[i];
        capital[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[0])));
        if (name == kGreek[i]) return static_cast<char32_t>(0x3B1 + i);
        if (name == capital && i != 17) return static_cast<char32_t>(0x391 + i);  // no capital final sigma
    }
    return std::nullopt;
}

// Windows 1252's characters in 0x80-0x9F, by byte.
constexpr char16_t k1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Cp932Sign {
    char32_t code;
    uint16_t bytes;
};
constexpr Cp932Sign k932Signs[] = {
    {0x00A7, 0x8198}, {0x00A8, 0x814E}, {0x00B0, 0x818B}, {0x00B1, 0x817D}, {0x00B4, 0x814C}, {0x00B6, 0x81F7},
    {0x00D7, 0x817E}, {0x00F7, 0x8180}, {0x2010, 0x815D}, {0x2014, 0x815C}, {0x2015, 0x815C}, {0x2018, 0x8165},
    {0x2019, 0x8166}, {0x201C, 0x8167}, {0x201D, 0x8168}, {0x2020, 0x81F5}, {0x2021, 0x81F6}, {0x2025, 0x8164},
    {0x2026, 0x8163}, {0x2030, 0x81F1}, {0x2032, 0x818C}, {0x2033, 0x818D}, {0x2122, 0x8784}, {0x2190, 0x81A9},
    {0x2191, 0x81AA}, {0x2192, 0x81A8}, {0x2193, 0x81AB}, {0x21D2, 0x81CB}, {0x21D4, 0x81CC}, {0x2200, 0x81CD},
    {0x2203, 0x81CE}, {0x2208, 0x81B8}, {0x2211, 0x8794}, {0x2212, 0x817C}, {0x221A, 0x81E3}, {0x221E, 0x8187},
    {0x2227, 0x81C8}, {0x2228, 0x81C9}, {0x2229, 0x81BF}, {0x222A, 0x81BE}, {0x222B, 0x81E7}, {0x2234, 0x8188},
    {0x2260, 0x8182}, {0x2261, 0x81DF}, {0x2264, 0x8185}, {0x2265, 0x8186}, {0x3000, 0x8140}};

std::string Bytes(uint16_t two) { return {static_cast<char>(two >> 8), static_cast<char>(two & 0xFF)}; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    return true;
}

// Tags that do not break a line: the text on both sides of them runs on.
bool IsInline(std::string_view tag) {
    static constexpr std::string_view kInline[] = {"a",    "abbr", "acronym", "b",    "big",  "cite", "code",
                                                   "dfn",  "em",   "font",    "i",    "kbd",  "mark", "q",
                                                   "s",    "samp", "small",   "span", "strike", "strong",
                                                   "sub",  "sup",  "tt",      "u",    "var",  "wbr",  "nobr"};
    return std::find(std::begin(kInline), std::end(kInline), tag) != std::end(kInline);
}

// Past the '>' that ends the tag starting at `at`, quoted attribute values skipped.
size_t TagEnd(std::string_view html, size_t at) {
    char quote = 0;
    for (size_t i = at + 1; i < html.size(); ++i) {
        char c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            if (IsSpace(html[i - 1]) || html[i - 1] == '=') quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return html.size();
}

// Decodes the reference at `at` ("&..."); returns its length, 0 when it is none.
size_t Reference(std::string_view html, size_t at, char32_t& code) {
    size_t end = at + 1;
    while (end < html.size() && end - at < 34 && (std::isalnum(static_cast<unsigned char>(html[end])) || html[end] == '#'))
        ++end;
    std::string_view body = html.substr(at + 1, end - at - 1);
    size_t length = end - at + (end < html.size() && html[end] == ';');
    if (body.size() >= 2 && body[0] == '#') {
        bool hex = body[1] == 'x' || body[1] == 'X';
        std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8) return 0;
        uint32_t value = 0;
        for (char d : digits) {
            int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                    : hex && std::isxdigit(static_cast<unsigned char>(d)) ? std::tolower(d) - 'a' + 10
                                                                          : -1;
            if (v < 0) return 0;
            value = value * (hex ? 16 : 10) + static_cast<uint32_t>(v);
        }
        code = value > 0x10FFFF ? 0xFFFD : static_cast<char32_t>(value);
        return length;
    }
    auto named = LookUpName(body);
    if (!named) return 0;
    code = *named;
    return length;
}

}  // namespace

std::optional<std::string> EncodeCommonChar(char32_t c, uint32_t code_page) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (code_page == 1252) {
        if (c >= 0xA0 && c <= 0xFF) return std::string(1, static_cast<char>(c));
        for (int i = 0; i < 32; ++i)
            if (k1252High[i] && k1252High[i] == c) return std::string(1, static_cast<char>(0x80 + i));
    }
    if (code_page == 932) {
        for (const auto& s : k932Signs)
            if (s.code == c) return Bytes(s.bytes);
        if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return Bytes(static_cast<uint16_t>(0x839F + c - 0x391 - (c > 0x3A2)));
        if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return Bytes(static_cast<uint16_t>(0x83BF + c - 0x3B1 - (c > 0x3C2)));
    }
    return std::nullopt;
}

std::string VisibleText(std::string_view html, uint32_t code_page, const CharEncoder& encode) {
    std::string out;
    auto space = [&out] {
        if (!out.empty() && out.back() != ' ') out.push_back(' ');
    };
    size_t i = 0;
    while (i < html.size()) {
        char c = html[i];
        if (c == '<') {
            if (html.compare(i, 4, "<!--") == 0) {
                size_t end = html.find("-->", i + 4);
                i = end == std::string_view::npos ? html.size() : end + 3;
                continue;
            }
            size_t name_start = i + 1 + (i + 1 < html.size() && html[i + 1] == '/');
            size_t name_end = name_start;
            bool named = name_end < html.size() && std::isalpha(static_cast<unsigned char>(html[name_end]));
            while (named && name_end < html.size() && std::isalnum(static_cast<unsigned char>(html[name_end]))) ++name_end;
            if (!named && (name_start >= html.size() || (html[name_start] != '!' && html[name_start] != '?'))) {
                out.push_back('<');  // a lone "<" is text
                ++i;
                continue;
            }
            std::string tag(html.substr(name_start, name_end - name_start));
            for (auto& ch : tag) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            bool closing = html[i + 1] == '/';
            i = TagEnd(html, i);
            if (!closing && (tag == "script" || tag == "style" || tag == "title")) {
                size_t end = i;
                while (end < html.size() && !(html[end] == '<' && StartsWithNoCase(html, end, "</" + tag))) ++end;
                i = end < html.size() ? TagEnd(html, end) : end;
            }
            if (!IsInline(tag)) space();
            continue;
        }
        if (c == '&') {
            char32_t code = 0;
            if (size_t length = Reference(html, i, code)) {
                auto bytes = code < 0x80 || !encode ? EncodeCommonChar(code, code_page) : encode(code);
                if (code < 0x20 || code == 0xA0 || !bytes) space();
                else out += *bytes;
                i += length;
                continue;
            }
        }
        if (IsSpace(c)) space();
        else out.push_back(c);
        ++i;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace chm
