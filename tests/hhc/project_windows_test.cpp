#include "hhc/project_windows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct WindowCase {
    const char* label;
    const char* line;
    std::function<void(const chm::Window&)> check;
};

class WindowLine : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowLine, Parses) {
    auto window = hhc::ParseWindowLine(GetParam().line);
    ASSERT_TRUE(window.ok()) << window.error().message;
    GetParam().check(*window);
}

const chm::Window kDefaults;

INSTANTIATE_TEST_SUITE_P(
    Lines, WindowLine,
    ::testing::Values(
        WindowCase{"Sphinx",
                   "sphinxdoc=\"Sphinx  documentation\",\"sphinxdoc.hhc\",\"sphinxdoc.hhk\",\"index.html\",\"index.html\""
                   ",,,,,0x63520,220,0x10384e,[0,0,1024,768],,,,,,,0",
                   [](const chm::Window& w) {
                       EXPECT_EQ(w.name, "sphinxdoc");
                       EXPECT_EQ(w.caption, "Sphinx  documentation");
                       EXPECT_EQ(w.contents_file, "sphinxdoc.hhc");
                       EXPECT_EQ(w.index_file, "sphinxdoc.hhk");
                       EXPECT_EQ(w.default_topic, "index.html");
                       EXPECT_EQ(w.home_topic, "index.html");
                       EXPECT_EQ(w.properties, 0x63520u);
                       EXPECT_EQ(w.navigation_width, 220u);
                       EXPECT_EQ(w.buttons, 0x10384Eu);
                       EXPECT_EQ(std::vector<int32_t>({w.left, w.top, w.right, w.bottom}),
                                 std::vector<int32_t>({0, 0, 1024, 768}));
                       EXPECT_FALSE(w.default_tab);
                       EXPECT_EQ(w.notify_id, 0u);
                   }},
        // Empty fields keep the viewer's defaults.
        WindowCase{"DoxygenWithEmptyFields",
                   "main=\"libmspack\",\"index.hhc\",\"index.hhk\",\"index.html\",\"index.html\",,,,,0x23520,,0x10387e,,,,,,,,0",
                   [](const chm::Window& w) {
                       EXPECT_EQ(w.properties, 0x23520u);
                       EXPECT_EQ(w.navigation_width, kDefaults.navigation_width);
                       EXPECT_EQ(w.left, kDefaults.left);
                       EXPECT_EQ(w.bottom, kDefaults.bottom);
                       EXPECT_EQ(w.buttons, 0x10387Eu);
                   }},
        // Commas and brackets inside quotes are text; blanks around fields go.
        WindowCase{"QuotedCommasJumpsAndTail",
                   " w1 = \"A, [b] c\" , \"t.hhc\",,\"d.htm\",,\"http://x/\",\"Jump, one\",\"j2.htm\",\"Two\", 0x40 ,"
                   " 300 , 0x3006 , [ 10, -20 ,30,40] , 0x10000 , 8 , 3 , 1 , 2 , 1 , 77",
                   [](const chm::Window& w) {
                       EXPECT_EQ(w.name, "w1");
                       EXPECT_EQ(w.caption, "A, [b] c");
                       EXPECT_EQ(w.contents_file, "t.hhc");
                       EXPECT_EQ(w.index_file, "");
                       EXPECT_EQ(w.jump1_url, "http://x/");
                       EXPECT_EQ(w.jump1_text, "Jump, one");
                       EXPECT_EQ(w.jump2_url, "j2.htm");
                       EXPECT_EQ(w.jump2_text, "Two");
                       EXPECT_EQ(w.properties, 0x40u);
                       EXPECT_EQ(w.navigation_width, 300u);
                       EXPECT_EQ(w.top, -20);
                       EXPECT_EQ(w.styles, 0x10000u);
                       EXPECT_EQ(w.extended_styles, 8u);
                       EXPECT_EQ(w.show_state, 3u);
                       EXPECT_TRUE(w.navigation_closed);
                       EXPECT_EQ(w.default_tab, 2u);
                       EXPECT_EQ(w.tab_position, 1u);
                       EXPECT_EQ(w.notify_id, 77u);
                   }},
        // A line may stop after any field.
        WindowCase{"Short", "$global_w=\"Only a caption\"",
                   [](const chm::Window& w) {
                       EXPECT_EQ(w.name, "$global_w");
                       EXPECT_EQ(w.caption, "Only a caption");
                       EXPECT_EQ(w.properties, kDefaults.properties);
                       EXPECT_EQ(w.buttons, kDefaults.buttons);
                   }}),
    [](const auto& info) { return info.param.label; });

struct BadWindow {
    const char* name;
    const char* line;
    const char* says;  // part of the reason
};

class BadWindowLine : public ::testing::TestWithParam<BadWindow> {};

TEST_P(BadWindowLine, IsRefusedWithItsReason) {
    auto window = hhc::ParseWindowLine(GetParam().line);
    ASSERT_FALSE(window.ok());
    EXPECT_NE(window.error().message.find(GetParam().says), std::string::npos) << window.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadWindowLine,
    ::testing::Values(BadWindow{"NoEquals", "main \"caption\"", "="}, BadWindow{"NoName", "=\"caption\"", "no name"},
                      BadWindow{"CaptionNotClosed", "main=\"open caption,\"t.hhc\"", "not closed"},
                      BadWindow{"BadNavigationStyle", "main=\"c\",,,,,,,,,0x2352G", "navigation style"},
                      BadWindow{"NegativeNavigationWidth", "main=\"c\",,,,,,,,,,-5", "navigation width"},
                      BadWindow{"ButtonsTooLarge", "main=\"c\",,,,,,,,,,,0x1FFFFFFFF", "buttons"},
                      BadWindow{"PositionOfThree", "main=\"c\",,,,,,,,,,,,[0,0,10]", "position"},
                      BadWindow{"PositionNotANumber", "main=\"c\",,,,,,,,,,,,[0,0,10,x]", "position"},
                      BadWindow{"PositionNotClosed", "main=\"c\",,,,,,,,,,,,[0,0,10,10", "not closed"},
                      BadWindow{"QuotedNumber", "main=\"c\",,,,,,,,,,\"250\"", "quoted"},
                      BadWindow{"MoreThan20Fields", "main=\"c\",,,,,,,,,,,,,,,,,,,,,", "more than 20"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
