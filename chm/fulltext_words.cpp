#include "chm/fulltext_words.h"

#include <array>

namespace chm {

CodePageChars::CodePageChars(uint32_t code_page) : code_page_(code_page) {
    switch (code_page) {
    case 932: double_byte_ = true; lead_last_ = 0xFC; break;
    case 936: case 949: case 950: double_byte_ = true; lead_last_ = 0xFE; break;
    default: break;
    }
    for (int c = 0; c < 256; ++c) lower_[c] = static_cast<uint8_t>(c);
    auto upper = [this](int up, int low) {
        kind_[up] = kLetter | kUpper;
        kind_[low] = kLetter;
        lower_[up] = static_cast<uint8_t>(low);
    };
    for (int c = 'A'; c <= 'Z'; ++c) upper(c, c + 0x20);
    // Windows counts these two as word characters too ("^a" is one word).
    kind_['^'] = kind_['`'] = kLetter;
    if (double_byte_) return;
    switch (code_page) {
    case 1250: case 1252: case 1254: case 1257: case 1258:
        // Latin: accented capitals 0xC0-0xDE pair with 0xE0-0xFE; × and ÷ are not letters.
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7) upper(c, c + 0x20);
        kind_[0xDF] = kind_[0xFF] = kLetter;
        for (auto [up, low] : {std::pair{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}})
            upper(up, low);
        if (code_page == 1252) upper(0x9F, 0xFF);
        if (code_page == 1250) upper(0x8D, 0x9D), upper(0x8F, 0x9F), upper(0xA3, 0xB3), upper(0xA5, 0xB9),
                               upper(0xAA, 0xBA), upper(0xAF, 0xBF), upper(0xBC, 0xBE);
        if (code_page == 1257) upper(0xA8, 0xB8), upper(0xAA, 0xBA), upper(0xAF, 0xBF);
        kind_[0xAA] |= kLetter;
        kind_[0xBA] |= kLetter;
        kind_[0xB5] = kLetter;
        break;
    case 1251:  // Cyrillic: А-Я 0xC0-0xDF pair with а-я 0xE0-0xFF; Ё, Ђ and others below
        for (int c = 0xC0; c <= 0xDF; ++c) upper(c, c + 0x20);
        for (auto [up, low] : {std::pair{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                               {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                               {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}})
            upper(up, low);
        break;
    default:
        // Greek, Hebrew, Arabic, Thai: their letters sit in the upper half; no case is folded.
        for (int c = 0xC0; c <= 0xFF; ++c) kind_[c] = kLetter;
        break;
    }
}

std::string_view CodePageChars::FullWidthOf(uint8_t c) {
    // 932's full-width forms of 0xA1 (｡) to 0xDF (ﾟ).
    static constexpr uint16_t kFull[] = {
        0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,
        0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352,
        0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
        0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384,
        0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B};
    static const auto kBytes = [] {
        std::array<char, 2 * std::size(kFull)> bytes{};
        for (size_t i = 0; i < std::size(kFull); ++i) {
            bytes[2 * i] = static_cast<char>(kFull[i] >> 8);
            bytes[2 * i + 1] = static_cast<char>(kFull[i] & 0xFF);
        }
        return bytes;
    }();
    return {kBytes.data() + 2 * (c - 0xA1), 2};
}

std::string_view CodePageChars::VoicedFullWidth(uint8_t kana, uint8_t mark) {
    const bool voiced = mark == 0xDE, semi_voiced = mark == 0xDF;
    const bool ka_to_to = kana >= 0xB6 && kana <= 0xC4, ha_to_ho = kana >= 0xCA && kana <= 0xCE;
    if (kana == 0xB3 && voiced) return "\x83\x94";  // ヴ stands apart from ウ
    // In 932 the voiced form follows its plain one, and the semi-voiced one follows that.
    const int step = (voiced && (ka_to_to || ha_to_ho)) ? 1 : (semi_voiced && ha_to_ho) ? 2 : 0;
    if (step == 0) return {};
    static const auto kBytes = [] {
        std::array<char, 2 * 3 * (0xDF - 0xA1 + 1)> bytes{};
        for (int c = 0xA1; c <= 0xDF; ++c) {
            const std::string_view plain = FullWidthOf(static_cast<uint8_t>(c));
            for (int s = 0; s < 3; ++s) {
                bytes[2 * (3 * (c - 0xA1) + s)] = plain[0];
                bytes[2 * (3 * (c - 0xA1) + s) + 1] = static_cast<char>(static_cast<uint8_t>(plain[1]) + s);
            }
        }
        return bytes;
    }();
    return {kBytes.data() + 2 * (3 * (kana - 0xA1) + step), 2};
}

}  // namespace chm
