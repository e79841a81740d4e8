#include "platform/path_names.h"

#include <gtest/gtest.h>

#include "settings/compiler_location.h"

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

// Both systems' rules, whichever one the tests run on.
struct SyntaxCase {
    const PathSyntax* syntax;
    const char* path;
    const char* parent;
    const char* base;
    const char* extension;
    const char* with_separator;
};

TEST(PathParts, EitherSyntaxTakesPathsApartByItsOwnRules) {
    const PathSyntax* posix = &kPosixPaths;
    const PathSyntax* windows = &kWindowsPaths;
    const SyntaxCase cases[] = {
        {posix, "/work/guide.html", "/work", "guide", "html", "/work/guide.html/"},
        {posix, "/page.htm", "/", "page", "htm", "/page.htm/"},
        {posix, "/work/a\\b.htm", "/work", "a\\b", "htm", "/work/a\\b.htm/"},  // a backslash is a character
        {posix, "C:page.htm", "", "C:page", "htm", "C:page.htm/"},
        {posix, "/work/", "/", "work", "", "/work/"},
        {windows, "C:\\work\\guide.html", "C:\\work", "guide", "html", "C:\\work\\guide.html\\"},
        {windows, "C:/work/guide.html", "C:/work", "guide", "html", "C:/work/guide.html\\"},
        {windows, "C:\\page.htm", "C:\\", "page", "htm", "C:\\page.htm\\"},
        {windows, "C:page.htm", "C:", "page", "htm", "C:page.htm\\"},
        {windows, "C:\\", "C:\\", "", "", "C:\\"},
        {windows, "\\\\server\\share\\ページ.htm", "\\\\server\\share", "ページ", "htm",
         "\\\\server\\share\\ページ.htm\\"},
        {windows, "D:\\a.b\\readme", "D:\\a.b", "readme", "b\\readme", "D:\\a.b\\readme\\"},
    };
    for (const auto& c : cases) {
        const PathSyntax& syntax = *c.syntax;
        EXPECT_EQ(GetParentFolderName(c.path, syntax), c.parent) << c.path;
        EXPECT_EQ(GetBaseName(c.path, syntax), c.base) << c.path;
        EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(WithTrailingSeparator(c.path, syntax), c.with_separator) << c.path;
    }
}

TEST(PathParts, CompilerIsNamedInItsFolderByEitherSyntax) {
    const std::tuple<const PathSyntax*, const char*, const char*> cases[] = {
        {&kPosixPaths, "/opt/workshop", "/opt/workshop/hhc"},
        {&kPosixPaths, "/opt/workshop/", "/opt/workshop//hhc"},
        {&kPosixPaths, "", "/hhc"},
        {&kWindowsPaths, "C:\\Program Files\\HTML Help Workshop", "C:\\Program Files\\HTML Help Workshop\\hhc.exe"},
        {&kWindowsPaths, "C:\\Workshop\\", "C:\\Workshop\\\\hhc.exe"},
    };
    for (const auto& [syntax, folder, program] : cases)
        EXPECT_EQ(CompilerProgramPath(folder, *syntax), program) << folder;
}

}  // namespace
}  // namespace tess
