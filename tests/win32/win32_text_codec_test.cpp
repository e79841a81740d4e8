// Code page 932 through the system's tables: faithful text converts, the rest is refused.
#include <gtest/gtest.h>

#include "platform/win32/win32_text_codec.h"
#include "tests/support/codec_cases.h"

namespace tess::testing {
namespace {

class Win32CodecTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(Win32CodecTest, ConvertsOnlyFaithfully) {
    win32::Win32TextCodec codec;
    CheckCodecCase(codec, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32CodecTest, ::testing::ValuesIn(kCodecCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Win32CodecMessage, BytesOfTheCodePageComeBackAsText) {
    win32::Win32TextCodec codec;
    EXPECT_EQ(codec.FromAnsi("\x83\x65\x83\x58\x83\x67"), "テスト");
}

}  // namespace
}  // namespace tess::testing
