// [MAP] and [ALIAS] as projects write them, with included headers read from a table.
#include <gtest/gtest.h>

#include <map>

#include "hhc/context_ids.h"

namespace {

struct Case {
    const char* what;
    std::vector<std::string> map, alias;
    std::map<std::string, std::string> files;  // path from the project's folder -> text
    std::vector<std::string> expected;          // "NAME=id file#anchor", in [ALIAS] order
    std::vector<std::string> warnings;          // a part of each warning, in order; "!x": no warning holds x
};

const Case kCases[] = {
    {"section lines: #define, NAME=number, hex, blanks, trailing comments",
     {"#define IDH_A 10", "IDH_B = 0x14 ; twenty", "#  define  IDH_C  (30u)", "IDH_D=40 // forty"},
     {"IDH_A=a.htm", "idh_b = sub\\b.htm#part", "IDH_C=c.htm", "IDH_D=d.htm"},
     {},
     {"IDH_A=10 a.htm", "idh_b=20 sub/b.htm#part", "IDH_C=30 c.htm", "IDH_D=40 d.htm"},
     {}},
    {"a C header through nested includes, beside the including file first",
     {"#include \"inc\\ids.h\""},
     {"#include aliases.txt"},
     {{"inc/ids.h", "/* numbers\n   #define IDH_NOT 1 */\n#ifndef IDS_H\n#define IDS_H\n#define IDH_A 0x0A // ten\n"
                    "int unrelated = 5;\nenum { X };\n#include <more.h>\n#endif\n"},
      {"inc/more.h", "#define IDH_B 11\n#define IDH_SAME IDH_B\n"},
      {"more.h", "#define IDH_WRONG 99\n"},
      {"aliases.txt", "; comment\nIDH_A=a.htm\n\nIDH_B=b.htm\n// gone=x.htm\nIDH_SAME=same.htm\n"}},
     {"IDH_A=10 a.htm", "IDH_B=11 b.htm"},
     {"context id 11 is given to both IDH_B and IDH_SAME", "!IDH_WRONG"}},
    {"what does not resolve is named",
     {"#define IDH_A 1", "#define IDH_LONELY 2", "IDH_A=3", "IDH_BAD=12z", "junk", "#include missing.h"},
     {"IDH_A=a.htm", "IDH_A=other.htm", "IDH_NONE=n.htm", "no equals sign"},
     {},
     {"IDH_A=1 a.htm"},
     {"IDH_A is given the number 3", "\"IDH_BAD=12z\"", "\"junk\"", "missing.h", "alias IDH_A is given twice",
      "\"no equals sign\"", "alias IDH_NONE has no number", "IDH_LONELY (2) has no alias"}},
    {"include cycles and values past 32 bits",
     {"#include a.h"},
     {"X=x.htm"},
     {{"a.h", "#define X 0xFFFFFFFF\n#define Y 0x100000000\n#include b.h\n"}, {"b.h", "#include a.h\n"}},
     {"X=4294967295 x.htm"},
     {"a.h includes itself"}},
};

TEST(ContextIds, ParsesMapAndAliasLines) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        auto ids = hhc::ParseContextIds(c.map, c.alias, [&](const std::string& path) -> std::optional<std::string> {
            auto it = c.files.find(path);
            if (it == c.files.end()) return std::nullopt;
            return it->second;
        });
        std::vector<std::string> got;
        for (const auto& a : ids.aliases) got.push_back(a.name + "=" + std::to_string(a.id) + " " + a.file + a.anchor);
        EXPECT_EQ(got, c.expected);
        size_t next = 0;
        for (const auto& part : c.warnings) {
            if (part.starts_with("!")) {
                for (const auto& w : ids.warnings) EXPECT_EQ(w.find(part.substr(1)), std::string::npos) << w;
                continue;
            }
            while (next < ids.warnings.size() && ids.warnings[next].find(part) == std::string::npos) ++next;
            EXPECT_LT(next, ids.warnings.size()) << "no warning, in order, with: " << part;
        }
        for (const auto& w : ids.warnings) EXPECT_TRUE(w.starts_with("Warning: ")) << w;
    }
}

// Found by the fuzz target: each header including the next one twice, 30 deep, was read 2^30 times.
TEST(ContextIds, AHeaderIncludedOverAndOverIsReadOnce) {
    std::map<std::string, int> reads;
    auto read = [&](const std::string& path) -> std::optional<std::string> {
        const int level = std::stoi(path.substr(1));
        ++reads[path];
        if (level == 30) return "#define IDH_A 1\n#define IDH_A 2\n";
        const std::string next = "#include h" + std::to_string(level + 1) + ".h\n";
        return next + next;
    };
    auto ids = hhc::ParseContextIds({"#include h0.h"}, {"IDH_A=a.htm"}, read);
    for (const auto& [path, count] : reads) EXPECT_EQ(count, 1) << path;
    EXPECT_EQ(reads.size(), 31u);
    ASSERT_EQ(ids.aliases.size(), 1u);
    EXPECT_EQ(ids.aliases[0].id, 1u);
    EXPECT_EQ(ids.warnings.size(), 1u);  // the second number of IDH_A, told once
}

}  // namespace
