// How the full-text index cuts a page's text into words, for one Windows code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chm {

// Longer tokens still take a place (so that phrase positions stay true) but are not stored.
inline constexpr size_t kMaxWordBytes = 99;

// What each byte of a code page is to the word breaker.
class CodePageChars {
public:
    explicit CodePageChars(uint32_t code_page);

    uint32_t code_page() const { return code_page_; }
    bool IsDoubleByte() const { return double_byte_; }
    // The first byte of a two-byte character.
    bool IsLead(uint8_t c) const { return double_byte_ && c >= 0x81 && c <= lead_last_ && !(code_page_ == 932 && c >= 0xA0 && c <= 0xDF); }
    bool IsTrail(uint8_t c) const { return c >= 0x40 && c <= 0xFE && c != 0x7F; }
    // Half-width katakana and punctuation (0xA1-0xDF in 932): each a word, stored as its
    // full-width form so that either spelling finds it.
    bool IsHalfWidth(uint8_t c) const { return code_page_ == 932 && c >= 0xA1 && c <= 0xDF; }
    static std::string_view FullWidthOf(uint8_t half_width);
    // The one full-width character of a half-width kana followed by ﾞ (0xDE) or ﾟ (0xDF);
    // empty when the two make none.
    static std::string_view VoicedFullWidth(uint8_t kana, uint8_t mark);
    bool IsLetter(uint8_t c) const { return (kind_[c] & kLetter) != 0; }
    bool IsDigit(uint8_t c) const { return c >= '0' && c <= '9'; }
    bool IsUpper(uint8_t c) const { return (kind_[c] & kUpper) != 0; }
    uint8_t Lower(uint8_t c) const { return lower_[c]; }

private:
    static constexpr uint8_t kLetter = 1, kUpper = 2;
    uint32_t code_page_;
    bool double_byte_ = false;
    uint8_t lead_last_ = 0;
    uint8_t kind_[256] = {};
    uint8_t lower_[256] = {};
};

// Calls `word` for each word of `text` (code page bytes) in order: runs of letters and digits
// lower-cased, an apostrophe inside a word dropped, dots kept and commas dropped inside a token
// that starts with a digit ("2003.8.22", "1,000" as "1000"), and every double-byte character (and half-width katakana) a word of
// its own (half-width katakana as their full-width forms). `too_long` is true for a token longer than kMaxWordBytes.
// A template, as it is called for every word.
template <class OnWord>
void SplitWords(std::string_view text, const CodePageChars& chars, OnWord&& word) {
    auto at = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    auto is_word_char = [&](size_t i) { return i < text.size() && (chars.IsLetter(at(i)) || chars.IsDigit(at(i))); };
    std::string token;
    size_t i = 0;
    while (i < text.size()) {
        uint8_t c = at(i);
        if (chars.IsLead(c)) {
            if (i + 1 < text.size() && chars.IsTrail(at(i + 1))) word(text.substr(i, 2), false);
            i += 2;  // a lead byte without its trail (text cut short) is dropped with what follows
            continue;
        }
        if (chars.IsHalfWidth(c)) {
            // A kana and its voiced or semi-voiced mark are one character ("ﾊﾟ" is "パ").
            if (i + 1 < text.size()) {
                if (auto voiced = CodePageChars::VoicedFullWidth(c, at(i + 1)); !voiced.empty()) {
                    word(voiced, false);
                    i += 2;
                    continue;
                }
            }
            word(CodePageChars::FullWidthOf(c), false);
            ++i;
            continue;
        }
        if (!is_word_char(i)) {
            ++i;
            continue;
        }
        bool number = chars.IsDigit(c);
        token.clear();
        while (i < text.size()) {
            uint8_t d = at(i);
            if (chars.IsLetter(d) || chars.IsDigit(d)) {
                token.push_back(static_cast<char>(chars.Lower(d)));
            } else if ((d == '\'' && is_word_char(i + 1)) || (d == ',' && number && i + 1 < text.size() && chars.IsDigit(at(i + 1)))) {
                // dropped: "Document's" is stored as "documents", "9,8" as "98"
            } else if (d == '.' && number && is_word_char(i + 1)) {
                token.push_back('.');
            } else {
                break;
            }
            ++i;
        }
        word(token, token.size() > kMaxWordBytes);
    }
}

}  // namespace chm
