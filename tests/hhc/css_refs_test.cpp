#include "hhc/css_refs.h"

#include <gtest/gtest.h>

namespace {

using Refs = std::vector<std::string>;

struct Case {
    const char* name;
    const char* css;
    Refs refs;
};

class CssRefs : public ::testing::TestWithParam<Case> {};

TEST_P(CssRefs, FindsUrlsAndImports) { EXPECT_EQ(hhc::CssReferences(GetParam().css), GetParam().refs); }

INSTANTIATE_TEST_SUITE_P(
    Sheets, CssRefs,
    ::testing::Values(Case{"UrlUnquoted", "body{background:url(bg.png)}", Refs{"bg.png"}},
                      Case{"UrlQuotedAndUpperCase", "a{background:url('q.png')} b{background:URL(\"d q.png\")}", Refs{"q.png", "d q.png"}},
                      Case{"UrlWithBlanks", "x{background:url(  spaced.png  )}", Refs{"spaced.png"}},
                      Case{"Imports", "@import \"base.css\";\n@import 'more.css' screen;", Refs{"base.css", "more.css"}},
                      Case{"ImportUrl", "@import url(other.css);", Refs{"other.css"}},
                      Case{"Comment", "/* url(commented.png) */ p{}", Refs{}},
                      Case{"InsideAString", "p::after{content:\"url(not-a-ref.png)\"}", Refs{}},
                      Case{"EscapedQuote", "x{background:url('it\\'s.png')}", Refs{"it's.png"}},
                      Case{"EmptyUrl", "x{background:url()}", Refs{}}, Case{"Unterminated", "x{background:url(unterminated", Refs{"unterminated"}},
                      Case{"EmptySheet", "", Refs{}},
                      // Escapes: hex with one optional blank after, up to six digits, any other character as itself
                      Case{"HexEscapeAndBlank", "x{background:url(i\\34.png)} y{background:url(i\\34 .png)}", Refs{"i4.png", "i4.png"}},
                      Case{"HexEscapeSixDigits", "@import 'a\\2e css'; @import url(\"b\\000063.css\");", Refs{"a.css", "bc.css"}},
                      Case{"HexEscapeKatakana", "x{background:url(\\30C6\\30B9\\30C8.png)}", Refs{"\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88.png"}},
                      Case{"EscapedParensAndBlank", "x{background:url(a\\(1\\).png)} y{background:url(b\\20)}", Refs{"a(1).png", "b "}},
                      Case{"EscapedNewlineAndNul", "x{background:url('long\\\nname.png')} y{background:url(\\0)}", Refs{"longname.png", "\xEF\xBF\xBD"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
