#include "hhc/sitemap.h"
#include "hhc/sitemap_encoding.h"
#include "tests/support/sitemap_pieces.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using hhc::SitemapEntry;

struct SitemapCase {
    const char* label;
    std::string bytes;
    std::vector<SitemapEntry> entries;
};

class Sitemap : public ::testing::TestWithParam<SitemapCase> {};

void ExpectEntries(const std::vector<SitemapEntry>& entries, const std::vector<SitemapEntry>& want, size_t piece) {
    ASSERT_EQ(entries.size(), want.size()) << "pieces of " << piece;
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(entries[i].depth, want[i].depth) << i << ", pieces of " << piece;
        EXPECT_EQ(entries[i].name, want[i].name) << i << ", pieces of " << piece;
        EXPECT_EQ(entries[i].locals, want[i].locals) << i << ", pieces of " << piece;
    }
}

// Whole, and as its text read back a piece at a time, cut anywhere (in a tag, a quote, a
// character, a comment).
TEST_P(Sitemap, ReadsEntriesWithDepthNameAndFiles) {
    ExpectEntries(hhc::ParseSitemap(GetParam().bytes), GetParam().entries, 0);
    for (size_t piece : {1, 2, 3, 7, 64}) {
        auto entries = tess_test::SitemapInPieces(GetParam().bytes, piece);
        ASSERT_TRUE(entries);
        ExpectEntries(*entries, GetParam().entries, piece);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Sitemap,
    ::testing::Values(
        // As documentation tools write them: properties first, lists nested in list items.
        SitemapCase{"Nested",
                    "<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"Window Styles\" value=\"0x801227\">"
                    "<param name=\"Local\" value=\"not-an-entry.html\"></OBJECT>\n<UL>\n"
                    "<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"Top\">\n"
                    "<param name=\"Local\" value=\"index.html\">\n</OBJECT>\n<UL>\n"
                    "<LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Child\">"
                    "<param name=\"Local\" value=\"sub/a.html#part\"></OBJECT>\n</UL>\n"
                    "<LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Folder only\"></OBJECT>\n"
                    "</UL></BODY></HTML>",
                    {{1, "Top", {"index.html"}}, {2, "Child", {"sub/a.html#part"}}, {1, "Folder only", {}}}},
        // Local before Name, extra parameters, upper-case names and types, unquoted values.
        SitemapCase{"AnyOrderAndCase",
                    "<ul><li><object TYPE=\"Text/Sitemap\"><PARAM NAME=local VALUE=mspack_8h.html#a1>"
                    "<param name=\"ImageNumber\" value=\"11\"><param name=\"NAME\" value=\"MSCABD_PARAM(x)\"></object></ul>",
                    {{1, "MSCABD_PARAM(x)", {"mspack_8h.html#a1"}}}},
        // An index: keywords, "See Also" entries without a file, a keyword with two topics.
        SitemapCase{"Index",
                    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Keyword\" value=\"--author\">"
                    "<param name=\"See Also\" value=\"--author\"></OBJECT>\n<UL><LI><OBJECT type=\"text/sitemap\">"
                    "<param name=\"Name\" value=\"build\"><param name=\"Name\" value=\"Topic one\">"
                    "<param name=\"Local\" value=\"one.html\"><param name=\"Name\" value=\"Topic two\">"
                    "<param name=\"Local\" value=\"two.html\"><param name=\"Local\" value=\"\"></OBJECT></UL></UL>",
                    {{1, "--author", {}}, {2, "build", {"one.html", "two.html"}}}},
        // References decoded; an object left open ends at the next one and at the end.
        SitemapCase{"ReferencesAndOpenObjects",
                    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A &amp; B &#x2014; C\">"
                    "<param name=\"Local\" value=\"a&amp;b.html\">"
                    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Last\"><param name=\"Local\" value=\"z.htm\">",
                    {{1, "A & B \xE2\x80\x94 C", {"a&b.html"}}, {1, "Last", {"z.htm"}}}},
        // Code page 932 as a Japanese project writes it, declared or not.
        SitemapCase{"CodePage932",
                    "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\"></HEAD>"
                    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"\x93\xFA\x96\x7B\x8C\xEA\">"
                    "<param name=\"Local\" value=\"\x95\x5C.html\"></OBJECT></UL>",
                    {{1, "日本語", {"表.html"}}}},
        // What a reader in pieces must not take for mark-up it ends in: a comment and a script
        // holding tags, quotes holding ">" and "<", an unclosed comment read as far as a ">".
        SitemapCase{"MarkupInsideOtherMarkup",
                    "<UL><!-- <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"no\"> -->"
                    "<script>document.write('<OBJECT type=\"text/sitemap\">');</script>"
                    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a > b < c\">"
                    "<param name='Local' value='x.html'></OBJECT><![CDATA[<UL>]]>"
                    "<!-- never closed ><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"yes\"></OBJECT>",
                    {{1, "a > b < c", {"x.html"}}, {1, "yes", {}}}},
        // "</title9" ends no title: the objects after it count, wherever a piece ends.
        SitemapCase{"EndTagThatGoesOn",
                    "<UL><title><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"kept\"></OBJECT></title9></UL>",
                    {{1, "kept", {}}}},
        SitemapCase{"ListsClosedTooOften",
                    "</UL></UL><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"x\"></OBJECT>",
                    {{1, "x", {}}}},
        SitemapCase{"Empty", "", {}}),
    [](const auto& info) { return info.param.label; });

// What the compiler writes, read back: names with the characters that end an attribute.
TEST(Sitemap, WrittenListReadsBack) {
    std::vector<hhc::SitemapItem> items = {
        {"Start \"page\" & <more>", "index.html"}, {"Second", "sub dir/a&b.html"}, {"", "empty-title.htm"}};
    auto entries = hhc::ParseSitemap(hhc::WriteSitemap(items));
    ASSERT_EQ(entries.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(entries[i].depth, 1);
        EXPECT_EQ(entries[i].name, items[i].name);
        EXPECT_EQ(entries[i].locals, std::vector<std::string>{items[i].local});
    }
}

}  // namespace

namespace {

struct StoredSitemapCase {
    const char* label;
    std::string bytes;
    uint32_t code_page;
    std::optional<std::string> stored;  // nothing: kept as it came
};

class StoredSitemap : public ::testing::TestWithParam<StoredSitemapCase> {};

TEST_P(StoredSitemap, IsInTheCodePageTheViewerReads) {
    EXPECT_EQ(hhc::SitemapInCodePage(GetParam().bytes, GetParam().code_page), GetParam().stored);
}

const std::string kName = "<param name=\"Name\" value=\"";

INSTANTIATE_TEST_SUITE_P(
    Files, StoredSitemap,
    ::testing::Values(
        StoredSitemapCase{"Utf8WithBom", "\xEF\xBB\xBF" + kName + "目次\">", 932, kName + "\x96\xDA\x8E\x9F\">"},
        StoredSitemapCase{"Utf8DeclaredIsRedeclared",
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">" + kName + "索引\">",
                          932, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">" + kName +
                                   "\x8D\xF5\x88\xF8\">"},
        StoredSitemapCase{"MetaCharsetAttribute", "<META charset='utf-8'><BODY>" + kName + "Caf\xC3\xA9\">", 1252,
                          "<META charset='windows-1252'><BODY>" + kName + "Caf\xE9\">"},
        // What the code page lacks becomes a reference, which the viewer's HTML reading decodes.
        StoredSitemapCase{"Utf16WithBom", std::string("\xFF\xFE" "C\0a\0f\0\xE9\0 \0\xE5\x65", 14), 1252,
                          "Caf\xE9 &#26085;"},
        StoredSitemapCase{"Utf8OutsideTheCodePage", kName + "日本語 \xF0\x9F\x98\x80 caf\xC3\xA9\">", 932,
                          kName + "\x93\xFA\x96\x7B\x8C\xEA &#128512; caf&#233;\">"},
        StoredSitemapCase{"AlreadyInTheCodePage", kName + "\x96\xDA\x8E\x9F\">", 932, std::nullopt},
        StoredSitemapCase{"DeclaredCodePageKept", "<meta charset=shift_jis>" + kName + "\x96\xDA\x8E\x9F\">", 932,
                          std::nullopt},
        StoredSitemapCase{"OtherCodePageConverted", "<meta charset=windows-1252>" + kName + "\xE9\">", 932,
                          "<meta charset=shift_jis>" + kName + "&#233;\">"},
        StoredSitemapCase{"AsciiKept", kName + "Start\">", 1252, std::nullopt},
        StoredSitemapCase{"AsciiRedeclared", "<Meta Charset=\"utf-8\"><Body>" + kName + "Start\">", 932,
                          "<Meta Charset=\"shift_jis\"><Body>" + kName + "Start\">"},
        StoredSitemapCase{"AsciiLosesItsBom", "\xEF\xBB\xBF<body><meta charset=utf-8>", 1252,
                          "<body><meta charset=utf-8>"},
        // Converted to the code page but still saying UTF-8, as the program's own help is built.
        StoredSitemapCase{"WrongUtf8DeclarationKept", "<meta charset=utf-8>" + kName + "Tessaline \x82\xC9\">", 932,
                          std::nullopt}),
    [](const auto& info) { return info.param.label; });

}  // namespace
