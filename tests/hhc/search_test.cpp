// Full-text search in files hhc makes, as pychm's search (an independent reader) finds it.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "convert/project_file.h"
#include "hhc_fixture.h"
#include "tests/chm/chm_readers.h"

namespace {

using namespace hhc_test;

std::string Convert(const std::string& bytes, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    std::string in = bytes, out(bytes.size() * 4 + 8, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t left = in.size(), room = out.size();
    size_t r = iconv(cd, &src, &left, &dst, &room);
    iconv_close(cd);
    EXPECT_NE(r, static_cast<size_t>(-1)) << "no " << to << " form for " << bytes;
    out.resize(out.size() - room);
    return out;
}

struct Page {
    std::string name;  // inside the page folder; the first is the dropped page
    std::string html;
};

struct Query {
    std::string word;                          // UTF-8; sent in the project's code page
    std::map<std::string, std::string> found;  // title (UTF-8) -> address
};

struct SearchCase {
    const char* label;
    std::vector<Page> pages;
    std::string extra_option;  // a line added to the program's [OPTIONS]
    const char* code_page;     // the language's, as iconv names it
    bool searchable;
    std::vector<Query> queries;
};

const std::string kJapanese =
    "<html><head><meta charset=\"utf-8\"><title>検索の説明</title></head><body>"
    "<h1>Searchable manual</h1><p>全文検索で日本語を探す。</p><p>&#x6F22;字 &amp; kana</p></body></html>";

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.label; }

std::vector<SearchCase> Cases() {
    const std::map<std::string, std::string> page{{"検索の説明", "page.html"}};
    return {
        {"JapanesePageOfTheProgram", {{"page.html", kJapanese}}, "", "CP932", true,
         {{"searchable", page},
          {"manual", page},
          {"検", page},
          {"索", page},
          {"日", page},
          {"本", page},
          {"語", page},
          {"説", page},    // from the title
          {"漢", page},    // a character reference in the text
          {"kana", page},
          {"absent", {}},
          {"探検", {}}}},  // two characters are no word of their own
        // Half-width kana with their marks are found by the full-width word: ﾊﾟﾝﾀﾞ ﾎﾟｯﾌﾟ ｳﾞ. (pychm
        // compares trail bytes with ASCII case folded, so kana with a trail byte in A-Z stay out.)
        {"HalfWidthVoicedKanaAreOneCharacter",
         {{"kana.html", "<meta charset=\"utf-8\"><title>kana</title><p>\uFF8A\uFF9F\uFF9D\uFF80\uFF9E "
                        "\uFF8E\uFF9F\uFF6F\uFF8C\uFF9F \uFF73\uFF9E</p>"}},
         "", "CP932", true,
         {{"\u30D1", {{"kana", "kana.html"}}},
          {"\u30C0", {{"kana", "kana.html"}}},
          {"\u30DD", {{"kana", "kana.html"}}},
          {"\u30D7", {{"kana", "kana.html"}}},
          {"\u30F4", {{"kana", "kana.html"}}},
          {"\u30CF", {}},  // ﾊ with its mark is no ハ
          {"\u309C", {}}}},
        {"SearchTurnedOff", {{"page.html", kJapanese}}, "  FULL-TEXT SEARCH =  no ", "CP932", false, {}},
        {"SearchAskedFor", {{"page.html", kJapanese}}, "Full-text search=Yes", "CP932", true, {{"検", page}}},
        {"PagesWithoutTitleGoByTheirFileName",
         {{"start.html", "<p>alpha <a href=\"sub/blank.htm\">next</a> <a href=\"empty.htm\">x</a></p>"},
          {"sub/blank.htm", "<html><head><title>  </title></head><body>alpha beta</body></html>"},
          {"empty.htm", "<title></title><p>gamma</p>"}},
         "", "CP932", true,
         {{"alpha", {{"start.html", "start.html"}, {"blank.htm", "sub/blank.htm"}}},
          {"beta", {{"blank.htm", "sub/blank.htm"}}},
          {"gamma", {{"empty.htm", "empty.htm"}}},
          {"empty", {}}}},  // the file's name stands in as its title, yet is no word of it
        {"EmDashTitlesKeepAHorizontalBar",
         {{"dash.html", "<title>Intro \xE2\x80\x94 Guide</title><p>prose <a href=\"ent.html\">x</a></p>"},
          {"ent.html", "<title>Usage &mdash; Notes</title><p>prose</p>"}},
         "", "CP932", true,
         {{"guide", {{"Intro \xE2\x80\x95 Guide", "dash.html"}}},
          {"prose", {{"Intro \xE2\x80\x95 Guide", "dash.html"}, {"Usage \xE2\x80\x95 Notes", "ent.html"}}}}},
        // Past a few megabytes the index is made on every thread through a work file.
        {"ManyMegabytesAreIndexedThroughAWorkFile",
         {{"big.html", "<title>Big</title><p>" + [] {
               std::string words;
               while (words.size() < (5u << 20)) words += "filler words ";
               return words;
           }() + "omega</p>"}},
         "", "CP932", true,
         {{"omega", {{"Big", "big.html"}}}, {"filler", {{"Big", "big.html"}}}, {"alpha", {}}}},
        // Another language indexes in its own code page.
        {"EnglishProjectIn1252",
         {{"cafe.html", "<meta charset=\"utf-8\"><title>Caf\xC3\xA9</title><p>Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65</p>"}},
         "Language=0x409", "CP1252", true,
         {{"cr\xC3\xA8me", {{"Caf\xC3\xA9", "cafe.html"}}}, {"caf\xC3\xA9", {{"Caf\xC3\xA9", "cafe.html"}}}}},
    };
}

class Search : public HhcFixture, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, PychmFindsEachWordOnItsPagesWithTheirTitles) {
    const SearchCase& c = GetParam();
    std::string first;
    for (const auto& p : c.pages) {
        std::string path = tree.Write("ページ 集/" + p.name, p.html);
        if (first.empty()) first = path;
    }
    std::string project = tess::ProjectFileText(program, first);
    if (!c.extra_option.empty()) {
        if (c.extra_option.starts_with("Language="))
            project.replace(project.find("Language="), project.find("\r\n", project.find("Language=")) - project.find("Language="),
                            c.extra_option);
        else
            project.insert(project.find("\r\n") + 2, c.extra_option + "\r\n");
    }
    // Another language's code page cannot name this tree's folder: such a project comes in UTF-8.
    ASSERT_EQ(RunHhc(ProjectOf(project, std::string_view(c.code_page) != "CP932"), options).code, kCreatedStatus) << ReadLog(Log());
    EXPECT_EQ(ReadLog(Log()).find("Warning"), std::string::npos) << ReadLog(Log());
    for (const auto& entry : std::filesystem::directory_iterator(program))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".Dummy.chm.")) << "left behind: " << entry.path();

    std::vector<std::string> queries;
    for (const auto& q : c.queries) queries.push_back(Convert(q.word, c.code_page, "UTF-8"));
    auto search = chm_test::SearchWithPychm(Chm(), queries, tree.Path(""));
    ASSERT_EQ(search.error, "");
    EXPECT_EQ(search.searchable, c.searchable);
    auto files = ExtractChm(Chm(), tree.Path("x"));
    EXPECT_EQ(files.count("$FIftiMain"), c.searchable ? 1u : 0u);
    // With no window of the project's, the viewer is given one whose pane offers the search.
    ASSERT_EQ(files.count("#WINDOWS"), c.searchable || c.pages.size() > 1 ? 1u : 0u);
    if (c.searchable) {
        const std::string& window = files["#WINDOWS"];
        ASSERT_GE(window.size(), 8u + 196u);
        auto u32 = [&](size_t at) {
            return static_cast<uint32_t>(static_cast<unsigned char>(window[at])) |
                   static_cast<uint32_t>(static_cast<unsigned char>(window[at + 1])) << 8 |
                   static_cast<uint32_t>(static_cast<unsigned char>(window[at + 2])) << 16 |
                   static_cast<uint32_t>(static_cast<unsigned char>(window[at + 3])) << 24;
        };
        EXPECT_NE(u32(8 + 16) & 0x400u, 0u);  // the search tab
        // A single page has no contents to show: the pane opens on the search.
        if (c.pages.size() == 1) {
            EXPECT_EQ(u32(8 + 120), 2u);
        }
    }
    if (!c.searchable) return;
    ASSERT_EQ(search.found.size(), c.queries.size());
    for (size_t i = 0; i < c.queries.size(); ++i) {
        std::map<std::string, std::string> found;
        for (const auto& [title, url] : search.found[i]) found[Convert(title, "UTF-8", c.code_page)] = url;
        EXPECT_EQ(found, c.queries[i].found) << c.queries[i].word;
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, Search, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.label; });

}  // namespace
