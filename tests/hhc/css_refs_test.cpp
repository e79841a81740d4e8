#include "tools/hhc/css_refs.h"

#include <gtest/gtest.h>

namespace {

using Refs = std::vector<std::string>;

struct Case {
    const char* css;
    Refs refs;
};

class CssRefs : public ::testing::TestWithParam<Case> {};

TEST_P(CssRefs, FindsUrlsAndImports) { EXPECT_EQ(hhc::CssReferences(GetParam().css), GetParam().refs); }

INSTANTIATE_TEST_SUITE_P(
    Sheets, CssRefs,
    ::testing::Values(Case{"body{background:url(bg.png)}", Refs{"bg.png"}},
                      Case{"a{background:url('q.png')} b{background:URL(\"d q.png\")}", Refs{"q.png", "d q.png"}},
                      Case{"x{background:url(  spaced.png  )}", Refs{"spaced.png"}},
                      Case{"@import \"base.css\";\n@import 'more.css' screen;", Refs{"base.css", "more.css"}},
                      Case{"@import url(other.css);", Refs{"other.css"}},
                      Case{"/* url(commented.png) */ p{}", Refs{}},
                      Case{"p::after{content:\"url(not-a-ref.png)\"}", Refs{}},
                      Case{"x{background:url('it\\'s.png')}", Refs{"it's.png"}},
                      Case{"x{background:url()}", Refs{}}, Case{"x{background:url(unterminated", Refs{"unterminated"}},
                      Case{"", Refs{}}));

}  // namespace
