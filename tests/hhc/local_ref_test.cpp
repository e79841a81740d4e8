#include "hhc/local_ref.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* ref;
    const char* from;
    const char* target;  // nullptr: not a local file at all
    bool outside = false;  // a local file outside the tree: `target` is the reference decoded
};

class LocalRef : public ::testing::TestWithParam<Case> {};

TEST_P(LocalRef, ResolvesWithinTheTree) {
    auto target = hhc::ResolveRef(GetParam().ref, GetParam().from);
    using Kind = hhc::LocalRef::Kind;
    if (!GetParam().target) {
        EXPECT_EQ(target.kind, Kind::none) << target.path;
    } else {
        EXPECT_EQ(target.kind, GetParam().outside ? Kind::outside : Kind::inside);
        if (!GetParam().outside) {
            EXPECT_EQ(target.path, GetParam().target);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refs, LocalRef,
    ::testing::Values(Case{"img/a.png", "", "img/a.png"}, Case{"./a.png", "", "a.png"},
                      Case{"../a.png", "sub", "a.png"}, Case{"../a.png", "", "../a.png", true},
                      Case{"sub/../../a.png", "", "", true}, Case{"x/../y/./z.css", "s", "s/y/z.css"},
                      Case{"page.html#part", "", "page.html"}, Case{"page.html?x=1#y", "", "page.html"},
                      Case{"#top", "", nullptr}, Case{"", "", nullptr}, Case{"  img/b.png \n", "", "img/b.png"},
                      Case{"http://example.com/a.png", "", nullptr}, Case{"HTTPS://x/y", "", nullptr},
                      Case{"mailto:a@b", "", nullptr}, Case{"javascript:void(0)", "", nullptr},
                      Case{"data:image/png;base64,AAAA", "", nullptr}, Case{"//cdn.example/x.js", "", nullptr},
                      Case{"/etc/passwd", "", "", true}, Case{"C:/Windows/x.png", "", "", true}, Case{"c:\\\\a.png", "", "", true},
                      Case{"file:///tmp/a.png", "", "", true}, Case{"img\\c.png", "", "img/c.png"},
                      Case{"my%20image.png", "", "my image.png"},
                      Case{"%E5%86%99%E7%9C%9F.png", "", "\xE5\x86\x99\xE7\x9C\x9F.png"},
                      Case{"%2e%2e/x.png", "", "", true}, Case{"\\\\server\\x.png", "", nullptr}, Case{"bad%zz.png", "", "bad%zz.png"},
                      Case{"a%00.png", "", nullptr}, Case{"img/", "", nullptr}, Case{"写真.png", "画像", "画像/写真.png"}));

TEST(LocalRef, KnowsPageNames) {
    EXPECT_TRUE(hhc::IsPageName("a.htm"));
    EXPECT_TRUE(hhc::IsPageName("dir/B.HTML"));
    EXPECT_FALSE(hhc::IsPageName(".html"));
    EXPECT_FALSE(hhc::IsPageName("a.xhtml.png"));
    EXPECT_FALSE(hhc::IsPageName("style.css"));
}

}  // namespace
