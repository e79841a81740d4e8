// The full-text index, searched by pychm and dumped by an independent decoder; the compiled
// file still read back by every extractor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <tuple>

#include "../hhc/temp_tree.h"
#include "chm/fulltext_index.h"
#include "chm/fulltext_words.h"
#include "chm/html_text.h"
#include "chm/wlc_encoding.h"
#include "chm_readers.h"

namespace {

// Code page 932 bytes.
const std::string kKen = "\x8c\x9f", kSaku = "\x8d\xf5";  // 検, 索
const std::string kJaTitle = kKen + kSaku + "\x82\xcc\x8e\x67\x82\xa2\x95\xfb";  // 検索の使い方

std::string Page(const std::string& title, const std::string& body) {
    return "<html><head><title>" + title + "</title><style>p { color: red }</style></head><body>" + body +
           "<script>var hidden = 'scriptword';</script></body></html>";
}

struct Query {
    const char* label;
    std::string query;
    std::set<std::string> titles;  // the topics pychm must return, by title
};

struct Project {
    const char* label;
    uint32_t language;
    std::function<std::vector<chm::InputFile>()> files;
    std::vector<Query> queries;
};

std::vector<chm::InputFile> Mixed() {
    std::vector<chm::InputFile> files = {
        {"/en.htm", Page("Installation Guide", "<p>Run the <b>install</b>er. Version 2003.8.22 of the Document's text.</p>"),
         "Installation Guide"},
        {"/ja/page.htm", Page(kJaTitle, "<p>\x91\x53\x95\xb6" + kKen + kSaku + "&nbsp;&amp; HTML&#x30;</p>"), kJaTitle},
        {"/only-title.htm", Page("Zanzibar", "<p>nothing else</p>"), "Zanzibar"},
        {"/style.css", "p { color: blue }", std::nullopt},
    };
    // Enough topics and distinct words for long hit lists and several leaf nodes.
    for (int t = 0; t < 300; ++t) {
        std::string body = "<p>common";
        for (int w = 0; w < 20; ++w) {
            char word[8];
            std::snprintf(word, sizeof word, " w%05d", t * 20 + w);
            body += word;
        }
        std::string title = "Topic " + std::to_string(t);
        files.push_back({"/many/p" + std::to_string(t) + ".htm", Page(title, body + "</p>"), title});
    }
    return files;
}

std::set<std::string> ManyTitles() {
    std::set<std::string> titles;
    for (int t = 0; t < 300; ++t) titles.insert("Topic " + std::to_string(t));
    return titles;
}

const Project kProjects[] = {
    {"Japanese", 0x411, Mixed,
     {{"an English word", "installer", {"Installation Guide"}},
      {"capitals in the query", "INSTALLER", {"Installation Guide"}},
      {"a word joined across <b>", "installe", {"Installation Guide"}},
      {"a number keeps its dots", "2003.8.22", {"Installation Guide"}},
      {"an apostrophe inside a word is dropped", "documents", {"Installation Guide"}},
      {"a title word", "zanzibar", {"Zanzibar"}},
      {"each Japanese character: first", kKen, {kJaTitle}},
      {"each Japanese character: second", kSaku, {kJaTitle}},
      {"a Japanese character of the title only", "\x95\xfb", {kJaTitle}},
      {"a character reference", "html0", {kJaTitle}},
      {"a word in every topic", "common", ManyTitles()},
      {"a word of the first leaf", "w00000", {"Topic 0"}},
      {"a word of the last leaf", "w05999", {"Topic 299"}},
      {"a word that is not there", "zebra", {}},
      {"script contents are no text", "scriptword", {}},
      {"style contents are no text", "color", {}}}},
    {"English in 1252", 0x409,
     [] {
         return std::vector<chm::InputFile>{
             {"/a.htm", Page("Caf\xe9 Menu", "<p>Cr\xc8ME br\xfbl\xe9\x65, na\xefve &eacute;clair.</p>"), "Caf\xe9 Menu"},
             {"/b.htm", Page("Second", "<p>second-page text</p>"), "Second"}};
     },
     {{"an accented word, lower-cased", "cr\xe8me", {"Caf\xe9 Menu"}},
      {"a title word with an accent", "caf\xe9", {"Caf\xe9 Menu"}},
      {"an entity decoded into the code page", "\xe9\x63lair", {"Caf\xe9 Menu"}},
      {"a hyphen splits", "page", {"Second"}},
      {"a word that is not there", "menus", {}}}},
};

class FullTextSearch : public testing::TestWithParam<Project> {};

TEST_P(FullTextSearch, PychmFindsTheTopicsOfEachWordAndEveryReaderReadsTheFile) {
    const Project& p = GetParam();
    hhc_test::TempTree tmp;
    auto files = p.files();
    uint32_t code_page = chm::CodePageOf(p.language);
    auto index = chm::BuildFullTextIndex(p.language, code_page, chm::FullTextTopicsOf(files, code_page));
    ASSERT_TRUE(index) << index.error().message;
    chm::Options options;
    options.language = p.language;
    options.default_topic = files.front().name;
    options.full_text = *index;
    auto bytes = chm::BuildChm(options, files);
    ASSERT_TRUE(bytes) << bytes.error().message;
    std::string path = tmp.Write("search.chm", *bytes);

    chm_test::FileMap expected{{"/$FIftiMain", index->fifti_main}, {"/$OBJINST", index->obj_inst}};
    for (const auto& f : files) expected[f.name] = f.bytes;
    for (const auto& diff : chm_test::CompareWithReaders(path, expected, tmp.root())) ADD_FAILURE() << diff;

    std::vector<std::string> queries;
    for (const auto& q : p.queries) queries.push_back(q.query);
    auto search = chm_test::SearchWithPychm(path, queries, tmp.root());
    ASSERT_EQ(search.error, "");
    EXPECT_TRUE(search.searchable);
    ASSERT_EQ(search.found.size(), p.queries.size());
    std::map<std::string, std::string> url_of;
    for (const auto& f : files)
        if (f.title) url_of[*f.title] = f.name.substr(1);
    for (size_t i = 0; i < p.queries.size(); ++i) {
        std::set<std::string> titles;
        for (const auto& [title, url] : search.found[i]) {
            titles.insert(title);
            EXPECT_EQ(url, url_of[title]) << p.queries[i].label;
        }
        EXPECT_EQ(titles, p.queries[i].titles) << p.queries[i].label;
    }

    // The header names the code page and language; big projects need several leaves.
    auto u32 = [&](size_t at) {
        const auto* b = reinterpret_cast<const unsigned char*>(index->fifti_main.data() + at);
        return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
    };
    EXPECT_EQ(u32(0x7A), code_page);
    EXPECT_EQ(u32(0x7E), p.language);
    EXPECT_EQ(u32(0x04), static_cast<uint32_t>(chm::FullTextTopicsOf(files, code_page).size()));
    if (files.size() > 100) {
        EXPECT_GT(u32(0x10), 1u) << "leaf nodes";
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, FullTextSearch, testing::ValuesIn(kProjects), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.label; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

// A run of characters can be matched as a phrase: its characters stand at consecutive places,
// as an independent decoder of the index reads them.
TEST(FullTextIndex, JapaneseCharactersStandAtConsecutivePlaces) {
    hhc_test::TempTree tmp;
    std::vector<chm::InputFile> files = {{"/a.htm", Page(kKen + kSaku, "x " + kKen + kSaku + " y"), kKen + kSaku}};
    auto index = chm::BuildFullTextIndex(0x411, 932, chm::FullTextTopicsOf(files, 932));
    ASSERT_TRUE(index);
    chm::Options options;
    options.language = 0x411;
    options.full_text = *index;
    std::string path = tmp.Write("a.chm", *chm::BuildChm(options, files));
    auto places = [&](const std::string& hex) {
        std::string log = tmp.root() + "/" + hex;
        std::string command = "/usr/bin/python3 " TESS_FTS_DUMP " '" + path + "' --locations " + hex + " >" + log;
        EXPECT_EQ(std::system(command.c_str()), 0);
        return hhc_test::ReadFile(log);
    };
    // Title words first (0, 1), then the text's: x 2, 検 3, 索 4, y 5.
    EXPECT_EQ(places("8c9f"), "text 0: 3\ntitle 0: 0\n");
    EXPECT_EQ(places("8df5"), "text 0: 4\ntitle 0: 1\n");
    EXPECT_EQ(places("79"), "text 0: 5\n");
}

TEST(FullTextWords, EachCodePageCutsItsOwnWay) {
    struct Case {
        uint32_t code_page;
        std::string text, words;  // words joined by '|'
    };
    const Case cases[] = {
        {1252, "Hello, World_wide-Web!", "hello|world|wide|web"},
        {1252, "v1.2 1.2.3. 01.lzh x.y", "v1|2|1.2.3|01.lzh|x|y"},
        {1252, "don't 'quoted' ^a", "dont|quoted|^a"},
        {1252, "\xc9T\xc9 \xd7 \xdf", "\xe9t\xe9|\xdf"},
        {1251, "\xc0\xe1\xe2 \xa8", "\xe0\xe1\xe2|\xb8"},
        {932, "ab" + kKen + "CD\x81\x40" + kSaku, "ab|" + kKen + "|cd|\x81\x40|" + kSaku},
        {932, "\xa2\xb1\xdfx", "\x81\x75|\x83\x41|\x81\x4b|x"},  // half-width: full-width words
        // ﾊﾟ ｶﾞ ｳﾞ ﾎﾞ ﾄﾞ are one character each; ｱﾞ and ｶﾟ make none, so their mark stands alone
        {932, "\xca\xdf\xb6\xde\xb3\xde\xce\xde\xc4\xde\xb1\xde\xb6\xdf",
         "\x83\x70|\x83\x4b|\x83\x94|\x83\x7b|\x83\x68|\x83\x41|\x81\x4a|\x83\x4a|\x81\x4b"},
        {1252, "1,000 a,b 2,", "1000|a|b|2"},
        {932, "\x83\x41" "a", "\x83\x41|a"},         // a trail byte in the ASCII range stays with its lead
        {932, "ok\x8c", "ok"},                       // a lead byte cut off is dropped
        {932, std::string(100, 'a') + " b", "|b"},   // too long: not stored
    };
    for (const auto& c : cases) {
        std::string got;
        bool first = true;
        chm::SplitWords(c.text, chm::CodePageChars(c.code_page), [&](std::string_view w, bool too_long) {
            got += (first ? "" : "|") + std::string(too_long ? "" : w);
            first = false;
        });
        EXPECT_EQ(got, c.words) << c.text;
    }
}

TEST(HtmlText, KeepsWhatAReaderSees) {
    struct Case {
        uint32_t code_page;
        std::string html, text;
    };
    const Case cases[] = {
        {1252, "<p>a</p><p>b</p>", "a b"},
        {1252, "<b>in</b>line <a href='x>y'>link</a>", "inline link"},
        {1252, "<script>if (a<b) x();</script><STYLE>p{}</STYLE>t<!-- c -->u", "tu"},
        {1252, "<head><title>T</title></head><body>b</body>", "b"},
        {1252, "&lt;&amp;&gt; &eacute;&#233;&#xE9; &euro; &bogus; a &b", "<&> \xe9\xe9\xe9 \x80 &bogus; a &b"},
        {1252, "a&nbsp;b\n\n\tc", "a b c"},
        {932, "&times;&mdash;&alpha;&Omega;&copy;x", "\x81\x7e\x81\x5c\x83\xbf\x83\xb6 x"},
        {932, "\x83\x5c<br>\x95\x5c", "\x83\x5c \x95\x5c"},  // trail bytes that are '\' stay
        {1252, "1 < 2 and <3", "1 < 2 and <3"},
    };
    for (const auto& c : cases) EXPECT_EQ(chm::VisibleText(c.html, c.code_page), c.text) << c.html;
    auto upper = [](char32_t c) -> std::optional<std::string> {
        if (c == 0x263A) return std::string("\x81\x9b");
        return std::nullopt;
    };
    EXPECT_EQ(chm::VisibleText("a&#x263A;b&lt;&#1;", 932, upper), "a\x81\x9b" "b<");
}

TEST(FullTextIndex, RefusesATopicGivenTwice) {
    auto index = chm::BuildFullTextIndex(0x409, 1252, {{3, "a", "b"}, {3, "c", "d"}});
    ASSERT_FALSE(index);
    EXPECT_NE(index.error().message.find("topic 3 twice"), std::string::npos);
}

// Topics whose lists cross every slice size and varint length: sparse topic numbers, places
// past 16384, words in many topics, in titles and text, and more words than the first table.
std::vector<chm::FullTextTopic> VariedTopics(uint32_t code_page) {
    std::vector<chm::FullTextTopic> topics;
    const uint32_t numbers[] = {0, 1, 2, 7, 130, 131, 20000, 20001, 70000, 3000000};
    for (uint32_t n : numbers) {
        std::string text = "common common w" + std::to_string(n % 7) + " " + std::string(120, 'x') + " ";
        for (uint32_t i = 0; i < (n == 130 ? 20000u : 300u); ++i)
            text += "v" + std::to_string((i * 7919 + n) % 1500) + (i % 50 ? " " : " common ");
        if (code_page == 932) text += kKen + "\xb6\xde" + kSaku + kKen;
        topics.push_back({n, n % 2 ? "Common title " + std::to_string(n) : "", text});
    }
    return topics;
}

uint64_t Fnv(const std::string& bytes) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The bytes pinned were made by the earlier, hold-everything index; topics one at a time or
// all at once in any order make the same.
TEST(FullTextIndexBuilder, MakesTheSameBytesTopicByTopic) {
    const struct {
        const char* what;
        uint32_t code_page;
        std::vector<chm::FullTextTopic> topics;
        uint64_t pinned;
    } cases[] = {
        {"varied, 1252", 1252, VariedTopics(1252), 0xfa7295143e18f5feull},
        {"varied, 932", 932, VariedTopics(932), 0x87757f91392e04c2ull},
        {"no topics", 1252, {}, 0x5ab6d919b2719fa1ull},
        {"nothing stored", 1252, {{4, "", ""}, {9, std::string(100, 'z'), std::string(100, 'y') + " a"}},
         0x421df17726cfebaull},
    };
    for (const auto& c : cases) {
        const uint32_t language = c.code_page == 932 ? 0x411 : 0x409;
        chm::FullTextIndexBuilder builder(language, c.code_page);
        for (const auto& t : c.topics) ASSERT_TRUE(builder.Add(t)) << c.what;
        auto one_by_one = builder.Finish();
        auto reversed = c.topics;
        std::reverse(reversed.begin(), reversed.end());
        auto at_once = chm::BuildFullTextIndex(language, c.code_page, reversed);
        ASSERT_TRUE(one_by_one && at_once) << c.what;
        EXPECT_EQ(one_by_one->fifti_main, at_once->fifti_main) << c.what;
        EXPECT_EQ(one_by_one->obj_inst, at_once->obj_inst) << c.what;
        EXPECT_EQ(Fnv(at_once->fifti_main), c.pinned) << c.what;
    }
}

// Shards filled on their own threads, merged at the end, make the same bytes as one thread,
// and so do places spilled to work files after every batch; a batch fails with its first error
// in topic order, whichever thread met it first.
TEST(FullTextIndexBuilder, MakesTheSameBytesOnAnyNumberOfThreadsAndSpilled) {
    for (uint32_t code_page : {1252u, 932u}) {
        const auto topics = VariedTopics(code_page);
        std::vector<std::string> made;
        for (unsigned threads : {1u, 2u, 3u}) {
            for (size_t held_limit : {size_t{0}, size_t{1}, size_t{4000}}) {  // 1: every list spilled and streamed
                const bool spilled = held_limit != 0;
                int files = 0;
                chm::WorkFileMaker work_files;
                if (spilled)
                    work_files = [&files]() -> tess::Result<std::unique_ptr<std::iostream>> {
                        ++files;
                        return std::unique_ptr<std::iostream>(std::make_unique<std::stringstream>());
                    };
                chm::FullTextIndexBuilder builder(code_page == 932 ? 0x411 : 0x409, code_page, threads, work_files,
                                                  held_limit);
                for (size_t first = 0; first < topics.size(); first += 4)  // batches that end mid-way
                    ASSERT_TRUE(builder.AddMany(std::min<size_t>(4, topics.size() - first), [&](size_t k) -> tess::Result<chm::FullTextTopic> {
                        return topics[first + k];
                    }));
                auto index = builder.Finish();
                ASSERT_TRUE(index);
                ASSERT_EQ(index->fifti_main_file != nullptr, spilled);
                EXPECT_EQ(files, spilled ? static_cast<int>(threads) + 1 : 0) << "a file a shard, and the index's";
                made.push_back(spilled ? (std::stringstream() << index->fifti_main_file->rdbuf()).str() : index->fifti_main);
            }
        }
        EXPECT_EQ(Fnv(made[0]), code_page == 932 ? 0x87757f91392e04c2ull : 0xfa7295143e18f5feull);
        for (size_t k = 1; k < made.size(); ++k) EXPECT_EQ(made[k], made[0]) << code_page << " " << k;
    }
    chm::FullTextIndexBuilder refused(0x409, 1252, 1, []() -> tess::Result<std::unique_ptr<std::iostream>> {
        return tess::Error{"no room for a work file"};
    }, 1);
    auto no_file = refused.Add({0, "a", "b"});
    ASSERT_FALSE(no_file);
    EXPECT_EQ(no_file.error().message, "no room for a work file");
    chm::FullTextIndexBuilder builder(0x409, 1252, 3);
    auto added = builder.AddMany(6, [](size_t k) -> tess::Result<chm::FullTextTopic> {
        if (k == 2 || k == 4) return tess::Error{"page " + std::to_string(k) + " cannot be read"};
        return chm::FullTextTopic{static_cast<uint32_t>(k), "a", "b"};
    });
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error().message, "page 2 cannot be read");
}

// Runs longer than what is read ahead of each, and words whose lists outgrow a round, merge to
// the bytes of an index held whole; a work file that fails says so.
TEST(FullTextIndexBuilder, MergesLongRunsAndSaysWhenItsWorkFileFails) {
    std::vector<chm::FullTextTopic> topics;
    uint32_t seed = 1;
    for (uint32_t t = 0; t < 1000; ++t) {
        std::string text;
        for (int w = 0; w < 300; ++w) {
            seed = seed * 1103515245u + 12345u;
            text += (w % 2 ? "w" + std::to_string((seed >> 16) % (1 + (seed >> 8) % 400)) : std::string("common")) + " ";
        }
        topics.push_back({t, "Topic " + std::to_string(t), text});
    }
    using File = tess::Result<std::unique_ptr<std::iostream>>;
    auto build = [&](unsigned threads, size_t held_limit, const chm::WorkFileMaker& files) -> tess::Result<std::string> {
        chm::FullTextIndexBuilder builder(0x409, 1252, threads, files, held_limit);
        for (size_t first = 0; first < topics.size(); first += 64)
            if (auto added = builder.AddMany(std::min<size_t>(64, topics.size() - first),
                                             [&](size_t k) -> tess::Result<chm::FullTextTopic> { return topics[first + k]; });
                !added)
                return added.error();
        auto index = builder.Finish();
        if (!index) return index.error();
        if (!index->fifti_main_file) return index->fifti_main;
        index->fifti_main_file->seekg(0);
        return (std::stringstream() << index->fifti_main_file->rdbuf()).str();
    };
    auto whole = build(1, 0, {});
    ASSERT_TRUE(whole);
    for (unsigned threads : {1u, 2u}) {
        auto spilled = build(threads, 200000, [] { return File(std::make_unique<std::stringstream>()); });
        ASSERT_TRUE(spilled) << spilled.error().message;
        EXPECT_TRUE(*spilled == *whole) << threads;
    }
    auto failing = build(1, 1000, [] { return File(std::make_unique<std::iostream>(nullptr)); });
    ASSERT_FALSE(failing);
    EXPECT_EQ(failing.error().message, "The search index's work file cannot be written.");
}

TEST(FullTextIndexBuilder, RefusesTopicsOutOfOrder) {
    const struct {
        std::vector<uint32_t> topics;
        const char* error;
    } cases[] = {{{0, 3, 3}, "topic 3 twice"}, {{4, 2}, "topic 2 after topic 4"}, {{0, 0}, "topic 0 twice"}};
    for (const auto& c : cases) {
        chm::FullTextIndexBuilder builder(0x409, 1252);
        tess::Status last;
        for (uint32_t t : c.topics) last = builder.Add({t, "a", "b"});
        ASSERT_FALSE(last) << c.error;
        EXPECT_NE(last.error().message.find(c.error), std::string::npos) << last.error().message;
        chm::FullTextIndexBuilder threaded(0x409, 1252, 2);  // checked in a batch's order too
        auto many = threaded.AddMany(c.topics.size(), [&](size_t k) -> tess::Result<chm::FullTextTopic> {
            return chm::FullTextTopic{c.topics[k], "a", "b"};
        });
        ASSERT_FALSE(many) << c.error;
        EXPECT_NE(many.error().message.find(c.error), std::string::npos) << many.error().message;
    }
}

// Each number as ones for the bits above the root, a zero and the bits below the top one; each
// topic's part padded to a byte. Values of every width up to 32 bits, with roots 0 to 15.
TEST(WlcEncoding, WritesScaleAndRootNumbers) {
    struct Topic {
        uint32_t step;
        std::vector<uint32_t> locations;
    };
    const struct {
        chm::WlcRoots roots;
        std::vector<Topic> topics;
        const char* hex;
    } cases[] = {
        {{1, 1, 1}, {{1, {0}}}, "50"},
        {{0, 0, 0}, {{0xFFFFFFFF, {3}}}, "ffffffff7fffffffb4"},
        {{2, 3, 4}, {{0, {0, 1, 2}}, {7, {100000}}}, "060088b1fffa1a80"},
        {{15, 15, 15}, {{5, {17, 1}}}, "0005000200110001"},
    };
    for (const auto& c : cases) {
        std::string out;
        chm::WlcWriter wlc(out, c.roots);
        for (const auto& t : c.topics) {
            wlc.Topic(t.step, static_cast<uint32_t>(t.locations.size()));
            for (uint32_t step : t.locations) wlc.Location(step);
        }
        wlc.Finish();
        std::string hex;
        for (unsigned char b : out) hex += "0123456789abcdef"[b >> 4], hex += "0123456789abcdef"[b & 15];
        EXPECT_EQ(hex, c.hex);
    }
}

TEST(WlcEncoding, ChoosesTheSmallestRoots) {
    chm::WlcRootChooser chooser;
    auto roots = chooser.Best();
    EXPECT_EQ(roots.topic + roots.count * 100 + roots.location * 10000, 10101) << "none: 1, as readers expect";
    for (int i = 0; i < 10; ++i) chooser.AddLocationStep(1), chooser.AddCount(1000), chooser.AddTopicStep(0);
    chooser.AddTopicStep(0xFFFFFFFF);
    roots = chooser.Best();
    EXPECT_EQ(roots.location, 1) << "1 and 0 cost the same; the lower is not taken over 1";
    EXPECT_EQ(roots.count, 9) << "9 and 10 cost the same; the first wins";
    EXPECT_EQ(roots.topic, 0);

    chm::WlcRootChooser together, apart[2];  // as the shards count them
    for (uint32_t i = 0; i < 3000; ++i) {
        const uint32_t v = (i * 2654435761u) >> (i % 32);
        for (chm::WlcRootChooser* c : {&together, &apart[i % 3 == 0]})
            c->AddTopicStep(v), c->AddCount(v >> 3), c->AddLocationStep(v >> 9);
    }
    apart[0] += apart[1];
    const auto a = apart[0].Best(), t = together.Best();
    EXPECT_EQ(std::tuple(a.topic, a.count, a.location), std::tuple(t.topic, t.count, t.location));
}

}  // namespace
