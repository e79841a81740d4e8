#include "platform/posix/iconv_text_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/codec_cases.h"

namespace {

class CodecCases : public ::testing::TestWithParam<tess::testing::CodecCase> {};

TEST_P(CodecCases, ConvertsOnlyFaithfully) {
    tess::IconvTextCodec codec;
    tess::testing::CheckCodecCase(codec, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, CodecCases, ::testing::ValuesIn(tess::testing::kCodecCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
