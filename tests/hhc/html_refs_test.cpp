#include "hhc/html_refs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(HtmlRefs, FindsEveryKindOfReference) {
    auto refs = hhc::ScanHtml(R"html(<html><head><title>  Two
        words </title><link rel="stylesheet" href="css/main.css"><script src="js/app.js"></script>
        <style>body{background:url(img/bg.png)} @import "extra.css";</style></head>
        <body background="img/body.gif"><img src="img/a.png" srcset="img/a2.png 2x, img/a3.png 3x">
        <p style="background: url('img/p.png')">text</p><a href="next.html#x">next</a>
        <area href="map.htm"><iframe src="frame.html"></iframe><object data="movie.swf"></object>
        <a href="http://example.com/">out</a></body></html>)html");
    EXPECT_EQ(refs.title, "Two words");
    for (const char* r : {"css/main.css", "js/app.js", "img/bg.png", "extra.css", "img/body.gif", "img/a.png",
                          "img/a2.png", "img/a3.png", "img/p.png", "movie.swf"})
        EXPECT_TRUE(Has(refs.resources, r)) << r;
    for (const char* l : {"next.html#x", "map.htm", "frame.html", "http://example.com/"})
        EXPECT_TRUE(Has(refs.links, l)) << l;
}

// An XML prolog and a doctype come before the page proper; nothing of it may be missed.
TEST(HtmlRefs, ReadsXhtmlWithAProlog) {
    auto refs = hhc::ScanHtml(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>\xE7\xAB\xA0 1</title>"
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"docbook.css\" /></head>"
        "<body><div class=\"figure\"><img src=\"images/fig1.png\" alt=\"\" /></div></body></html>");
    EXPECT_EQ(refs.title, "\xE7\xAB\xA0 1");
    EXPECT_TRUE(Has(refs.resources, "docbook.css"));
    EXPECT_TRUE(Has(refs.resources, "images/fig1.png"));
}

TEST(HtmlRefs, SurvivesBrokenMarkup) {
    auto refs = hhc::ScanHtml("<html><body><p><img src=\"a.png\"><div><b><img src=b.png></table></html");
    EXPECT_TRUE(Has(refs.resources, "a.png"));
    EXPECT_TRUE(Has(refs.resources, "b.png"));
}

struct Encoded {
    const char* name;
    std::string bytes;
};

class HtmlTitle : public ::testing::TestWithParam<Encoded> {};

// Every form gives the same title: 日本語のページ. A page in UTF-8 already is read where it lies
// (past its BOM), any other through a copy.
TEST_P(HtmlTitle, DecodesJapanese) {
    const std::string& bytes = GetParam().bytes;
    EXPECT_EQ(hhc::ScanHtml(bytes).title, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x9A\xE3\x83\xBC\xE3\x82\xB8");
    std::string decoded;
    const std::string_view text = hhc::PageAsUtf8(bytes, decoded);
    EXPECT_EQ(text, hhc::PageAsUtf8(bytes));
    const bool in_place = text.data() >= bytes.data() && text.data() < bytes.data() + bytes.size();
    EXPECT_EQ(in_place, std::string_view(GetParam().name).starts_with("Utf8"));
}

const std::string kSjisTitle = "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x79\x81\x5B\x83\x57";
const std::string kUtf8Title = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x9A\xE3\x83\xBC\xE3\x82\xB8";

INSTANTIATE_TEST_SUITE_P(
    Encodings, HtmlTitle,
    ::testing::Values(
        Encoded{"Utf8Undeclared", "<html><head><title>" + kUtf8Title + "</title></head></html>"},
        Encoded{"Utf8Bom", "\xEF\xBB\xBF<html><head><title>" + kUtf8Title + "</title></head></html>"},
        Encoded{"SjisUndeclared", "<html><head><title>" + kSjisTitle + "</title></head></html>"},
        Encoded{"SjisDeclared", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
                                "<title>" + kSjisTitle + "</title></head></html>"},
        Encoded{"Utf8Declared", "<html><head><meta charset=\"utf-8\"><title>" + kUtf8Title + "</title></head></html>"}),
    [](const auto& info) { return info.param.name; });

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

struct Markup {
    const char* name;
    std::string html;
    std::vector<std::string> resources;  // exactly these, in order
    std::string title;
};

class HtmlMarkup : public ::testing::TestWithParam<Markup> {};

// Legacy and broken mark-up as pages in the wild have it: every reference is still seen.
TEST_P(HtmlMarkup, IsReadWhole) {
    auto refs = hhc::ScanHtml(GetParam().html);
    EXPECT_EQ(refs.resources, GetParam().resources);
    EXPECT_EQ(refs.title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HtmlMarkup,
    ::testing::Values(
        // A tree builder stops at its depth limit and drops all that follows.
        Markup{"ThreeHundredUnclosedFonts", Repeat("<font size=2>", 300) + "<img src=a.png>" + Repeat("<b>", 5000) +
                                                 "<img src='b.png'>", {"a.png", "b.png"}, ""},
        Markup{"ParagraphFontPairs", "<title>t</title>" + Repeat("<p><font>", 130) + "<img src=\"deep.png\">",
               {"deep.png"}, "t"},
        Markup{"UnquotedAndOddlySpacedAttributes",
               "<IMG\nSRC = a.png ALT=x><img alt='>' src=\"b c.png\"/><img src=c.png/><img src='d.png'src=e.png>",
               {"a.png", "b c.png", "c.png/", "d.png"}, ""},
        Markup{"CommentsScriptsAndCdataHideNothingElse",
               "<!-- <img src=hidden.png> --><script>document.write('<img src=\"js.png\">')</script>"
               "<![CDATA[<img src=cdata.png>]]><img src=seen.png><!--> <img src=after-empty-comment.png>",
               {"seen.png", "after-empty-comment.png"}, ""},
        Markup{"AnUnclosedScriptOrCommentLosesNothing", "<script src=s.js><img src=a.png><!-- x > <img src=b.png>",
               {"s.js", "a.png", "b.png"}, ""},
        Markup{"StyleTextIsCss", "<style>/* url(no.png) */ p{background:url( 'p.png' )}</style><img src=i.png>",
               {"p.png", "i.png"}, ""},
        Markup{"EntitiesInValuesAndTitle",
               "<title>A &amp; B &mdash; &#x65E5;&#26412; &unknown; &lt;x&gt;</title>"
               "<img src=\"a&amp;b.png\"><img src=\"q.png?x=1&copy=2\"><img src=\"&#x5199;.png\">",
               {"a&b.png", "q.png?x=1&copy=2", "\xE5\x86\x99.png"},
               "A & B \xE2\x80\x94 \xE6\x97\xA5\xE6\x9C\xAC &unknown; <x>"},
        Markup{"TitleWithTagsInsideIsText", "<title>a <b>bold</b>\n  title</title>", {}, "a <b>bold</b> title"},
        Markup{"StrayLessThanSigns", "a < b <3 <<img src=x.png> </ > <img src=y.png>", {"x.png", "y.png"}, ""}),
    [](const auto& info) { return info.param.name; });

// Found by the fuzz target: a page that says it is UTF-8 and is not gave titles and names that
// were not UTF-8 either.
TEST(HtmlRefs, PageMarkedUtf8ThatIsNotStillGivesUtf8) {
    for (const std::string& head : {std::string("\xEF\xBB\xBF"), std::string("<meta charset=utf-8>")}) {
        auto refs = hhc::ScanHtml(head + "<title>Caf\xE9</title><img src=\"\x95\x5C.png\">");
        EXPECT_EQ(refs.title, "Caf\xEF\xBF\xBD");
        EXPECT_EQ(refs.resources, std::vector<std::string>{"\xEF\xBF\xBD\\.png"});
    }
}

TEST(HtmlRefs, KeepsTheFirstBase) {
    auto refs = hhc::ScanHtml("<base href=\"sub/\"><base href=\"other/\"><img src=a.png>");
    EXPECT_EQ(refs.base, "sub/");
}

TEST(HtmlRefs, AContentsFileLinksItsPages) {
    auto refs = hhc::ScanHtml("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"使い方\">"
                              "<PARAM NAME=\"local\" VALUE=\"usage.html\"><param name=\"ImageNumber\" value=\"1\">"
                              "</OBJECT></UL>");
    EXPECT_EQ(refs.links, std::vector<std::string>{"usage.html"});
    EXPECT_TRUE(refs.resources.empty());
}

TEST(HtmlRefs, EmptyOrBinaryGivesNothing) {
    EXPECT_TRUE(hhc::ScanHtml("").resources.empty());
    auto refs = hhc::ScanHtml(std::string("\0\x01\x02\xFF", 4));
    EXPECT_TRUE(refs.resources.empty());
    EXPECT_TRUE(refs.title.empty());
}

}  // namespace
