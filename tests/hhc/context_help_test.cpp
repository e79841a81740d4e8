// Context-sensitive help of a Japanese project kept in UTF-8 with BOMs: context ids through
// [ALIAS] and a C header included from [MAP], a text popup file and a merged file.
#include <gtest/gtest.h>

#include <cstring>

#include "hhc_fixture.h"
#include "hhc/compile.h"

namespace {

using namespace hhc_test;

const std::string kBom = "\xEF\xBB\xBF";

std::string Cp932(const std::string& utf8) { return *tess::IconvTextCodec().ToAnsi(utf8); }

class ContextHelp : public HhcFixture {};

TEST_F(ContextHelp, JapaneseProjectInUtf8) {
    tree.Write("doc/html/intro.htm", kBom + "<html><head><meta charset=utf-8><title>はじめに</title></head><body>ようこそ</body></html>");
    tree.Write("doc/html/設定.htm", "<html><head><meta charset=utf-8><title>設定</title></head><body><h2 id=net>ネット</h2></body></html>");
    tree.Write("doc/html/hidden.htm", "<title>only an alias names it</title>");
    tree.Write("doc/toc.hhc", kBom + "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"はじめに\">"
                                     "<param name=\"Local\" value=\"html/intro.htm\"></OBJECT></UL>");
    tree.Write("doc/index.hhk", kBom + "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"設定\">"
                                       "<param name=\"Local\" value=\"html/設定.htm\"></OBJECT></UL>");
    tree.Write("doc/include/help_ids.h", kBom + "/* ヘルプの番号 */\n#ifndef HELP_IDS_H\n#define HELP_IDS_H\n"
                                                "#define IDH_INTRO   100  // はじめに\n#define IDH_SETTINGS 0xC8\n"
                                                "#define IDH_NET (201)\n#define IDH_HIDDEN 300\n#define IDH_ORPHAN 400\n#endif\n");
    std::string popup = ".topic 100\r\nはじめにの説明。\r\n.topic IDH_SETTINGS\r\n設定の説明 ♥\r\n";
    tree.Write("doc/cshelp.txt", kBom + popup);
    tree.Write("doc/help.hhp", kBom +
               "[OPTIONS]\r\nCompiled file=help.chm\r\nContents file=toc.hhc\r\nIndex file=index.hhk\r\n"
               "Default topic=html\\intro.htm\r\nLanguage=0x411 日本語\r\nTitle=文脈ヘルプ\r\n\r\n"
               "[FILES]\r\nhtml\\intro.htm\r\nhtml\\設定.htm\r\n\r\n"
               "[ALIAS]\r\nIDH_INTRO=html\\intro.htm\r\nIDH_SETTINGS=html\\設定.htm\r\nIDH_NET=html\\設定.htm#net\r\n"
               "IDH_HIDDEN=html/hidden.htm\r\nIDH_NOID=html\\intro.htm\r\nIDH_GONE=html\\gone.htm\r\n\r\n"
               "[MAP]\r\n#include include\\help_ids.h\r\nIDH_GONE=500\r\n\r\n"
               "[TEXT POPUPS]\r\ncshelp.txt\r\nmissing.txt\r\n\r\n[MERGE FILES]\r\nother.chm\r\n");
    std::string out = tree.Path("hhc.out");
    Exit exit = WaitProcess(StartProcess({HHC_PATH, tree.Path("doc/help.hhp")}, options, out));
    std::string console = ReadFile(out);
    ASSERT_EQ(exit.code, hhc::kCreated) << console;
    for (const char* named : {"IDH_NOID", "IDH_ORPHAN (400)", "html/gone.htm", "missing.txt", "line 4 of the text popup file cshelp.txt"})
        EXPECT_NE(console.find(named), std::string::npos) << named << " is not named in:\n" << console;

    // chmlib's extract_chmLib gives the viewer's tables too: #IVB pairs point into #STRINGS.
    auto files = ExtractChm(tree.Path("doc/help.chm"), tree.Path("extracted"));
    const std::string &ivb = files["#IVB"], &strings = files["#STRINGS"], &idxhdr = files["#IDXHDR"];
    auto u32 = [](const std::string& s, size_t at) { uint32_t v; return s.size() < at + 4 ? 0u : (std::memcpy(&v, &s[at], 4), v); };
    auto text = [&](uint32_t offset) { return offset < strings.size() ? std::string(strings.c_str() + offset) : "?"; };
    std::map<uint32_t, std::string> ids;
    for (size_t i = 0; i < u32(ivb, 0) / 8; ++i) ids[u32(ivb, 4 + 8 * i)] = text(u32(ivb, 8 + 8 * i));
    std::map<uint32_t, std::string> expected = {{100, "html/intro.htm"}, {200, Cp932("html/設定.htm")},
                                                {201, Cp932("html/設定.htm#net")}, {300, "html/hidden.htm"}};
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(u32(idxhdr, 0x48), 1u);  // merged files
    EXPECT_EQ(text(u32(idxhdr, 0x50)), "other.chm");
    EXPECT_EQ(files["cshelp.txt"], Cp932(".topic 100\r\nはじめにの説明。\r\n.topic IDH_SETTINGS\r\n設定の説明 ?\r\n"));
    EXPECT_TRUE(files.count("html/hidden.htm"));
}

}  // namespace
