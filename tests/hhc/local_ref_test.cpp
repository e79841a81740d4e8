#include "hhc/local_ref.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
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
    ::testing::Values(Case{"Relative", "img/a.png", "", "img/a.png"}, Case{"DotSlash", "./a.png", "", "a.png"},
                      Case{"UpFromASubfolder", "../a.png", "sub", "a.png"}, Case{"UpOutOfTheTree", "../a.png", "", "../a.png", true},
                      Case{"UpPastTheRoot", "sub/../../a.png", "", "", true}, Case{"DotsInsideThePath", "x/../y/./z.css", "s", "s/y/z.css"},
                      Case{"Fragment", "page.html#part", "", "page.html"}, Case{"QueryAndFragment", "page.html?x=1#y", "", "page.html"},
                      Case{"FragmentOnly", "#top", "", nullptr}, Case{"Empty", "", "", nullptr}, Case{"SurroundingBlanks", "  img/b.png \n", "", "img/b.png"},
                      Case{"Http", "http://example.com/a.png", "", nullptr}, Case{"UpperCaseHttps", "HTTPS://x/y", "", nullptr},
                      Case{"Mailto", "mailto:a@b", "", nullptr}, Case{"Javascript", "javascript:void(0)", "", nullptr},
                      Case{"DataUrl", "data:image/png;base64,AAAA", "", nullptr}, Case{"SchemeRelative", "//cdn.example/x.js", "", nullptr},
                      Case{"AbsolutePath", "/etc/passwd", "", "", true}, Case{"DriveLetter", "C:/Windows/x.png", "", "", true}, Case{"DriveLetterBackslash", "c:\\\\a.png", "", "", true},
                      Case{"FileUrl", "file:///tmp/a.png", "", "", true}, Case{"Backslash", "img\\c.png", "", "img/c.png"},
                      Case{"PercentSpace", "my%20image.png", "", "my image.png"},
                      Case{"PercentUtf8", "%E5%86%99%E7%9C%9F.png", "", "\xE5\x86\x99\xE7\x9C\x9F.png"},
                      Case{"PercentDotsOutOfTheTree", "%2e%2e/x.png", "", "", true}, Case{"UncPath", "\\\\server\\x.png", "", nullptr}, Case{"BadPercentKept", "bad%zz.png", "", "bad%zz.png"},
                      Case{"PercentNul", "a%00.png", "", nullptr}, Case{"Folder", "img/", "", nullptr}, Case{"JapaneseNames", "写真.png", "画像", "画像/写真.png"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LocalRef, KnowsPageNames) {
    EXPECT_TRUE(hhc::IsPageName("a.htm"));
    EXPECT_TRUE(hhc::IsPageName("dir/B.HTML"));
    EXPECT_FALSE(hhc::IsPageName(".html"));
    EXPECT_FALSE(hhc::IsPageName("a.xhtml.png"));
    EXPECT_FALSE(hhc::IsPageName("style.css"));
}

}  // namespace
