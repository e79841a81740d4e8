#include "platform/posix/iconv_text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Faithful {
    const char* utf8;
    const char* ansi;
};

class CodecFaithful : public ::testing::TestWithParam<Faithful> {};

TEST_P(CodecFaithful, ConvertsBothWays) {
    tess::IconvTextCodec codec;
    auto ansi = codec.ToAnsi(GetParam().utf8);
    ASSERT_TRUE(ansi.ok()) << ansi.error().message;
    EXPECT_EQ(*ansi, GetParam().ansi);
    EXPECT_EQ(codec.FromAnsi(*ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodecFaithful,
    ::testing::Values(Faithful{"", ""},
                      Faithful{"Language=0x411 ", "Language=0x411 "},
                      Faithful{"日本語", "\x93\xFA\x96\x7B\x8C\xEA"},
                      Faithful{"/home/ユーザー/my docs/説明.html",
                               "/home/\x83\x86\x81\x5B\x83\x55\x81\x5B/my docs/\x90\xE0\x96\xBE.html"},
                      // The trail byte 0x5C is the ASCII backslash: it must not split the pair.
                      Faithful{"表", "\x95\x5C"},
                      Faithful{"ｶﾅ", "\xB6\xC5"},
                      // The one of each folded pair that survives the round trip.
                      Faithful{"～", "\x81\x60"},
                      Faithful{"∥", "\x81\x61"},
                      Faithful{"－", "\x81\x7C"}));

class CodecRefused : public ::testing::TestWithParam<const char*> {};

TEST_P(CodecRefused, FailsWithAPlainMessage) {
    tess::IconvTextCodec codec;
    auto ansi = codec.ToAnsi(GetParam());
    ASSERT_FALSE(ansi.ok());
    EXPECT_FALSE(ansi.error().message.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, CodecRefused,
                         ::testing::Values("波〜線",      // U+301C folds onto U+FF5E
                                           "a‖b",         // U+2016 folds onto U+2225
                                           "−1",          // U+2212 folds onto U+FF0D
                                           "emoji 😀",    // nothing in the code page
                                           "한국어",      // Hangul
                                           "\xFF\xFE",    // not UTF-8
                                           "\xE6\x97"));  // cut-off UTF-8

TEST(Codec, NamesTheCharacterAtFault) {
    tess::IconvTextCodec codec;
    auto ansi = codec.ToAnsi("/pages/波〜線.html");
    ASSERT_FALSE(ansi.ok());
    EXPECT_NE(ansi.error().message.find("U+301C"), std::string::npos) << ansi.error().message;
}

TEST(Codec, BrokenBytesDecodeToReplacementAndKeepTheRest) {
    tess::IconvTextCodec codec;
    EXPECT_EQ(codec.FromAnsi("a\xA0" "b\x93\xFA"), "a\xEF\xBF\xBD" "b日");
    EXPECT_EQ(codec.FromAnsi("x\x93"), "x\xEF\xBF\xBD");
}

TEST(Codec, LongTextSurvivesBufferBoundaries) {
    tess::IconvTextCodec codec;
    std::string utf8;
    for (int i = 0; i < 3000; ++i) utf8 += "日本語a";
    auto ansi = codec.ToAnsi(utf8);
    ASSERT_TRUE(ansi.ok());
    EXPECT_EQ(ansi->size(), 3000u * 7);
    EXPECT_EQ(codec.FromAnsi(*ansi), utf8);
}

}  // namespace
