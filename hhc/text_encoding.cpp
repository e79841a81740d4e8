#include "hhc/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "hhc/code_page.h"
#include "hhc/html_entities.h"

namespace hhc {
namespace {

struct Alias {
    const char* name;
    uint32_t code_page;
};

constexpr Alias kCharsets[] = {
    {"shift_jis", 932},     {"shift-jis", 932},   {"sjis", 932},          {"x-sjis", 932},
    {"windows-31j", 932},   {"cp932", 932},       {"ms_kanji", 932},      {"csshiftjis", 932},
    {"euc-jp", 20932},      {"x-euc-jp", 20932},  {"iso-2022-jp", 50220}, {"utf-8", kUtf8},
    {"utf8", kUtf8},        {"utf-16", kUtf16Le}, {"utf-16le", kUtf16Le}, {"utf-16be", kUtf16Be},
    {"us-ascii", 1252},     {"ascii", 1252},      {"iso-8859-1", 1252},   {"latin1", 1252},
    {"iso_8859-1", 1252},   {"windows-1250", 1250}, {"windows-1251", 1251}, {"windows-1252", 1252},
    {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255}, {"windows-1256", 1256},
    {"windows-1257", 1257}, {"windows-1258", 1258}, {"gb2312", 936},      {"gbk", 936},
    {"big5", 950},          {"euc-kr", 949},      {"ks_c_5601-1987", 949}, {"koi8-r", 20866},
};

// Reads one UTF-8 character at s[i]; gives its length (1 for a stray byte) and code point.
size_t NextCharacter(std::string_view s, size_t i, uint32_t& cp) {
    auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size()) {
        cp = 0xFFFD;
        return 1;
    }
    cp = n == 1 ? c : c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return n;
}

// Latin-1 letters without their marks, from U+00C0 on ("*" where there is no plain one).
constexpr char kPlainLatin[] = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUY*saaaaaaaceeeeiiiidnooooo*ouuuuy*y";

// Close forms to try, best first, for a character the code page lacks.
std::vector<std::string> Substitutes(uint32_t cp) {
    switch (cp) {
        case 0x2014: return {Utf8Of(0x2015), "-"};  // em dash: the horizontal bar
        case 0x2015: return {Utf8Of(0x2014), "-"};
        case 0x2013: case 0x2012: case 0x2010: case 0x2011: return {"-"};
        case 0x2212: return {Utf8Of(0xFF0D), "-"};
        case 0x301C: return {Utf8Of(0xFF5E), "~"};
        case 0xFF5E: return {Utf8Of(0x301C), "~"};
        case 0x00A0: case 0x2002: case 0x2003: case 0x2009: case 0x3000: return {" "};
        case 0x2018: case 0x2019: case 0x201A: return {"'"};
        case 0x201C: case 0x201D: case 0x201E: return {"\""};
        case 0x2026: return {"..."};
        case 0x00AB: return {"<<"};
        case 0x00BB: return {">>"};
        case 0x2022: case 0x00B7: return {Utf8Of(0x30FB), "*"};
        case 0x00A9: return {"(c)"};
        case 0x00AE: return {"(R)"};
        case 0x2122: return {"TM"};
        case 0x00AD: case 0x200B: case 0xFEFF: return {""};
        default: break;
    }
    if (cp >= 0xC0 && cp <= 0xFF && kPlainLatin[cp - 0xC0] != '*') return {std::string(1, kPlainLatin[cp - 0xC0])};
    return {};
}

// Halves the text until the parts convert whole, so that a long page with a few characters
// the code page lacks costs a few conversions, not one for each character.
void AppendInCodePage(std::string_view utf8, uint32_t code_page, std::string& out, bool& lost) {
    if (utf8.empty()) return;
    if (auto whole = EncodeCodePage(utf8, code_page)) {
        out += *whole;
        return;
    }
    uint32_t cp = 0;
    size_t n = NextCharacter(utf8, 0, cp);
    if (n >= utf8.size()) {
        std::optional<std::string> one;
        for (const auto& near : Substitutes(cp)) {
            if ((one = EncodeCodePage(near, code_page))) break;
        }
        if (!one) lost = true;
        out += one ? *one : std::string("?");
        return;
    }
    size_t mid = utf8.size() / 2;
    while (mid > 0 && (static_cast<unsigned char>(utf8[mid]) & 0xC0) == 0x80) --mid;
    if (mid == 0) mid = n;
    AppendInCodePage(utf8.substr(0, mid), code_page, out, lost);
    AppendInCodePage(utf8.substr(mid), code_page, out, lost);
}

// The length of the well-formed sequence at s[i], 0 when none starts there.
size_t SequenceAt(std::string_view s, size_t i) {
    auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

// Whether the 8 bytes from s[i] are ASCII (pages are mostly): tested a word at a time.
bool AsciiWordAt(std::string_view s, size_t i) {
    uint64_t word = 0;
    std::memcpy(&word, s.data() + i, sizeof word);
    return (word & 0x8080808080808080ull) == 0;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0, n; i < s.size(); i += n) {
        if (i + 8 <= s.size() && AsciiWordAt(s, i)) n = 8;
        else if ((n = SequenceAt(s, i)) == 0) return false;
    }
    return true;
}

bool IsAscii(std::string_view text) {
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8)
        if (!AsciiWordAt(text, i)) return false;
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

bool KeepsAscii(uint32_t code_page) {
    // Asked of the converter once for each code page: it is asked for every title and page.
    static std::mutex mutex;
    static std::map<uint32_t, bool> known;
    std::lock_guard lock(mutex);
    auto [it, added] = known.try_emplace(code_page, false);
    if (added) {
        std::string ascii(128, '\0');
        for (int c = 0; c < 128; ++c) ascii[c] = static_cast<char>(c);
        auto encoded = EncodeCodePage(ascii, code_page);
        it->second = encoded && *encoded == ascii;
    }
    return it->second;
}

std::string RepairedUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        size_t n = SequenceAt(s, i);
        out += n ? s.substr(i, n) : std::string_view("\xEF\xBF\xBD");
        i += n ? n : 1;
    }
    return out;
}

uint32_t CodePageOfCharset(std::string_view charset) {
    std::string name(charset);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& alias : kCharsets)
        if (name == alias.name) return alias.code_page;
    return 0;
}

std::string NameInCodePage(std::string_view utf8, uint32_t code_page) {
    if (IsAscii(utf8) && KeepsAscii(code_page)) return std::string(utf8);
    auto encoded = EncodeCodePage(utf8, code_page);
    if (!encoded || DecodeCodePage(*encoded, code_page) != utf8) return std::string(utf8);
    return *encoded;
}

std::string ToCodePage(std::string_view utf8, uint32_t code_page, bool* lost) {
    if (code_page == kUtf8) return std::string(utf8);
    if (lost) *lost = false;
    if (IsAscii(utf8) && KeepsAscii(code_page)) return std::string(utf8);
    std::string out;
    bool any = false;
    AppendInCodePage(utf8, code_page, out, any);
    if (lost) *lost = any;
    return out;
}

}  // namespace hhc
