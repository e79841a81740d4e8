#include "chm/fulltext_objinst.h"

#include "chm/bytes.h"
#include "chm/fulltext_words.h"
#include "chm/layout.h"

namespace chm {
namespace {

constexpr uint8_t kBreakerGuidTail[8] = {0x9A, 0x56, 0x00, 0xC0, 0x4F, 0xB6, 0x8B, 0xF7};
constexpr uint8_t kStemmerGuidTail[8] = {0x9A, 0x56, 0x00, 0xC0, 0x4F, 0xB6, 0x8B, 0x66};

struct CharEntry {
    uint16_t flags = 0;
    uint16_t sort_key = 0;
    uint8_t lower = 0, same = 0, oem = 0, same_again = 0;
};

// Character classes as Windows' breaker names them: 1 lower-case letter, 2 upper-case, 3 digit,
// 4 thousands separator, 5 decimal point, 6 dropped inside a word, 9 wildcard, 10 lead byte,
// 11 one-byte katakana. Sort keys put punctuation first, then digits, then letters.
CharEntry EntryFor(int c, const CodePageChars& chars) {
    CharEntry e;
    e.sort_key = static_cast<uint16_t>(c);
    e.lower = e.same = e.oem = e.same_again = static_cast<uint8_t>(c);
    if (c >= 0x21 && c <= 0x2F) e.sort_key = static_cast<uint16_t>(0x23 + 5 * (c - 0x21));
    if (c >= 0x3A && c <= 0x40) e.sort_key = static_cast<uint16_t>(0x6E + 5 * (c - 0x3A));
    if (c >= 0x30 && c <= 0x39) e.sort_key = static_cast<uint16_t>(0x460 + 10 * (c - 0x30)), e.flags = 3;
    if (c >= 0x7E) e.sort_key = static_cast<uint16_t>(0x7D0 + 10 * (c - 0x7F + (c == 0x7E)));
    switch (c) {
    case 0x01: e.flags = 7; break;
    case 0x0E: e.oem = 0x14; break;
    case 0x14: e.sort_key = 0x20; break;
    case '\'': e.flags = 6; break;
    case '*': case '?': e.flags = 9; break;
    case ',': e.flags = 4; break;
    case '.': e.flags = 5; break;
    case '[': e.sort_key = 0x91; break;
    case '\\': e.sort_key = 0x96; break;
    case ']': e.sort_key = 0xA5; break;
    case '^': e.sort_key = 0xAA, e.flags = 1; break;
    case '_': e.sort_key = 0x4CE; break;
    case '`': e.sort_key = 0x4E2, e.flags = 1; break;
    case '{': e.sort_key = 0xB9; break;
    case '|': e.sort_key = 0xBE; break;
    case '}': e.sort_key = 0xBF; break;
    default: break;
    }
    uint8_t b = static_cast<uint8_t>(c);
    if (chars.IsLetter(b) && c != '^' && c != '`') {
        e.flags = chars.IsUpper(b) ? 2 : 1;
        e.lower = chars.Lower(b);
        if (c < 0x80) e.sort_key = static_cast<uint16_t>(0x4F6 + 20 * (e.lower - 'a'));
    }
    if (chars.IsLead(b)) e.flags = 10;
    if (chars.code_page() == 932 && c >= 0xA1 && c <= 0xDF) e.flags = 11;
    if (chars.code_page() == 932 && (c == 0xFD || c == 0xFE)) e.flags = 2;
    if (c == 0xFF) e = CharEntry{0, 0, 0, 0xFF, 0x20, 0xFF};
    return e;
}

std::string BreakerEntry(uint32_t language, uint32_t code_page) {
    CodePageChars chars(code_page);
    std::string out;
    Layout(out)
        .Guid("word breaker class", 0x4662DAAF, 0xD393, 0x11D0, kBreakerGuidTail)
        .U32("version, always observed as 0x04000000", 0x04000000)
        .U32("unknown, always observed to be 3", 3)
        .U32("code page", code_page)
        .U32("language", language)
        .U32("unknown, 0", 0)
        .U32("unknown, 0", 0)
        .U32("unknown, always observed as 0x00145555", 0x00145555)
        .U32("character table size", 256 * 10)
        .U16("character table entries", 256)
        .U16("letters that expand into two", 0)
        .U16("unknown, always observed to be 2", 2)
        .Zeros("unknown, zeros", 26);
    for (int c = 0; c < 256; ++c) {
        CharEntry e = EntryFor(c, chars);
        Layout(out)
            .U16("character flags", e.flags)
            .U16("sort key", e.sort_key)
            .U8("lower case", e.lower)
            .U8("the character", e.same)
            .U8("OEM form", e.oem)
            .U8("the character again", e.same_again)
            .U16("unknown, 0", 0);
    }
    return out;
}

std::string StemmerEntry(uint32_t language, uint32_t code_page) {
    std::string out;
    Layout(out)
        .Guid("stemmer class", 0x4662DAB0, 0xD393, 0x11D0, kStemmerGuidTail)
        .U32("unknown, always observed as 666", 666)
        .U32("code page", code_page)
        .U32("language", language)
        .U32("unknown, always observed as 10031", 10031)
        .U32("unknown, 0", 0);
    return out;
}

}  // namespace

std::string BuildObjInst(uint32_t language, uint32_t code_page) {
    std::string breaker = BreakerEntry(language, code_page);
    std::string stemmer = StemmerEntry(language, code_page);
    constexpr uint32_t kFirst = 24;  // the header's own size
    std::string out;
    Layout(out)
        .U32("version, always observed as 0x04000000", 0x04000000)
        .U32("object count", 2)
        .U32("word breaker offset", kFirst)
        .U32("word breaker size", static_cast<uint32_t>(breaker.size()))
        .U32("stemmer offset", kFirst + static_cast<uint32_t>(breaker.size()))
        .U32("stemmer size", static_cast<uint32_t>(stemmer.size()));
    return out + breaker + stemmer;
}

}  // namespace chm
