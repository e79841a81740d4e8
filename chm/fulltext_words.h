// How the full-text index cuts a page's text into words, for one Windows code page.
#pragma once

#include <cstdint>
#include <functional>
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
    // A one-byte character that is a word by itself (half-width katakana).
    bool IsSingleWord(uint8_t c) const { return code_page_ == 932 && c >= 0xA1 && c <= 0xDF; }
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
// lower-cased, an apostrophe inside a word dropped, dots kept inside a token that starts with
// a digit ("2003.8.22"), and every double-byte character (and half-width katakana) a word of
// its own. `too_long` is true for a token longer than kMaxWordBytes.
void SplitWords(std::string_view text, const CodePageChars& chars,
                const std::function<void(std::string_view word, bool too_long)>& word);

}  // namespace chm
