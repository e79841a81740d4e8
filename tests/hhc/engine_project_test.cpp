#include "tools/hhc/engine_project.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineProject, NamesEverythingRelativeAndTheLanguageInHex) {
    hhc::EngineJob job;
    job.output = "../out.chm";
    job.default_topic = "\xE8\xAA\xAC.html";
    job.title_ansi = "\x93\xFA\x96\x7B";
    job.language = 1041;
    job.files = {"\xE8\xAA\xAC.html", "img/a b.png"};
    EXPECT_EQ(hhc::EngineProjectText(job),
              "[OPTIONS]\nCompiled file=../out.chm\nDefault topic=\xE8\xAA\xAC.html\nTitle=\x93\xFA\x96\x7B\n"
              "Language=0x411\n\n[FILES]\n\xE8\xAA\xAC.html\nimg/a b.png\n");
}

TEST(EngineProject, NamesTheContentsFile) {
    hhc::EngineJob job;
    job.output = "../out.chm";
    job.default_topic = "index.html";
    job.contents_file = "toc.hhc";
    job.files = {"index.html"};
    EXPECT_EQ(hhc::EngineProjectText(job),
              "[OPTIONS]\nCompiled file=../out.chm\nDefault topic=index.html\nContents file=toc.hhc\n\n[FILES]\nindex.html\n");
}

TEST(EngineProject, LeavesOutWhatIsUnknown) {
    hhc::EngineJob job;
    job.output = "o.chm";
    job.default_topic = "a.htm";
    job.files = {"a.htm"};
    std::string text = hhc::EngineProjectText(job);
    EXPECT_EQ(text.find("Title="), std::string::npos);
    EXPECT_EQ(text.find("Language="), std::string::npos);
    EXPECT_EQ(text.find("Contents file="), std::string::npos);
}

}  // namespace
