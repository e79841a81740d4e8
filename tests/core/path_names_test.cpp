#include "convert/path_names.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

struct ExtensionCase {
    const char* path;
    const char* extension;
};

TEST(GetExtension, TakesTheTextAfterTheLastDotOfTheWholePath) {
    const ExtensionCase cases[] = {
        {"/docs/page.htm", "htm"},
        {"/docs/Index.Html", "Html"},
        {"/docs/index.old.html", "html"},
        {"/docs.old/readme", "old/readme"},  // the folder's dot counts
        {"/docs/page.htm.", ""},
        {"/docs/readme", ""},
        {"/docs/page.htm ", "htm "},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
}

struct PartsCase {
    const char* path;
    const char* parent;
    const char* base;
};

TEST(PathParts, ParentFolderAndBaseName) {
    const PartsCase cases[] = {
        {"/work/guide.html", "/work", "guide"},
        {"/work/index.old.html", "/work", "index.old"},
        {"/page.htm", "/", "page"},
        {"/a b/日本語 フォルダ/ページ.htm", "/a b/日本語 フォルダ", "ページ"},
        {"/work/.hidden.htm", "/work", ".hidden"},
        {"/work/noext", "/work", "noext"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetParentFolderName(c.path), c.parent) << c.path;
        EXPECT_EQ(GetBaseName(c.path), c.base) << c.path;
    }
}

TEST(PathParts, TrailingSeparatorIsAddedOnce) {
    EXPECT_EQ(WithTrailingSeparator("/opt/tessaline"), "/opt/tessaline/");
    EXPECT_EQ(WithTrailingSeparator("/opt/tessaline/"), "/opt/tessaline/");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
}

}  // namespace
}  // namespace tess
