#include "hhc/log_text.h"

#include <gtest/gtest.h>

namespace {

TEST(LogText, IsCodePage932) {
    EXPECT_EQ(hhc::ToLogText("Created /a/日本語.chm"), "Created /a/\x93\xFA\x96\x7B\x8C\xEA.chm");
}

TEST(LogText, KeepsTheLineWhenACharacterHasNoForm) {
    EXPECT_EQ(hhc::ToLogText("Warning: 波〜😀.png"), "Warning: \x94\x67?\?.png");
}

struct HarmlessCase {
    const char* name;
    const char* in;
    const char* out;
};

class LogHarmless : public ::testing::TestWithParam<HarmlessCase> {};

TEST_P(LogHarmless, NeverCarriesTheSuccessWord) { EXPECT_EQ(hhc::Harmless(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Lines, LogHarmless,
                         ::testing::Values(HarmlessCase{"InAPath", "Error: /Created/a.htm does not exist.",
                                                        "Error: /created/a.htm does not exist."},
                                           HarmlessCase{"Repeated", "CreatedCreated", "createdcreated"},
                                           HarmlessCase{"LineBreak", "two\r\nlines", "two  lines"},
                                           HarmlessCase{"LowerCaseStays", "created stays", "created stays"},
                                           // イ is 83 43: its trail byte and "reated" spell the word.
                                           HarmlessCase{"TrailByteSpellsIt", "Warning: \x83\x43reated.png", "Warning: ?reated.png"},
                                           HarmlessCase{"AfterADoubleByteCharacter", "\x82\xA0" "Created", "\x82\xA0" "created"},
                                           HarmlessCase{"TrailBytesTwice", "\x83\x43reated\x83\x43reated", "?reated?reated"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogText, GroupsThousands) {
    EXPECT_EQ(hhc::WithThousands(0), "0");
    EXPECT_EQ(hhc::WithThousands(999), "999");
    EXPECT_EQ(hhc::WithThousands(1000), "1,000");
    EXPECT_EQ(hhc::WithThousands(12345), "12,345");
    EXPECT_EQ(hhc::WithThousands(1234567), "1,234,567");
}

}  // namespace
