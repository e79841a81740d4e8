#include "convert/project_file.h"

#include <gtest/gtest.h>

#include "tests/fakes/system_codec.h"
#include "tests/fakes/fake_services.h"

namespace tess {
namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(ProjectFile, BlanksAndJapaneseAreWrittenExactlyInCodePage932) {
    testing::SystemTextCodec codec;
    auto bytes = ProjectFileBytes(codec, "/opt/tess line/", "/home/u/my docs/日本語/ページ 1.htm");
    ASSERT_TRUE(bytes) << bytes.error().message;
    const std::string page = "/home/u/my docs/\x93\xfa\x96\x7b\x8c\xea/\x83\x79\x81\x5b\x83\x57 1.htm";
    const std::string expected =
        "[Options]\r\n"
        "Compatibility = 1.1 Or later\r\n"
        "Compiled file=/opt/tess line/Dummy.chm\r\n"
        "Default topic=" + page + "\r\n"
        "Display compile progress=No\r\n"
        "Error log file=/opt/tess line/log1.log\r\n"
        "Language=0x411 \x93\xfa\x96\x7b\x8c\xea\r\n"
        "\r\n"
        "\r\n"
        "[Files]\r\n" + page + "\r\n"
        "\r\n"
        "[INFOTYPES]\r\n"
        "\r\n";
    EXPECT_EQ(Hex(*bytes), Hex(expected));
}

TEST(ProjectFile, FourteenLinesEachEndingInCrLfAndNoByteOrderMark) {
    const std::string text = ProjectFileText("/p/", "/x/a.htm");
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r');
            ++lines;
        }
    EXPECT_EQ(lines, 14);
    EXPECT_EQ(text.substr(0, 9), "[Options]");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(ProjectFile, RefusesPathsThatWouldBeWrittenWrong) {
    testing::SystemTextCodec codec;
    const std::pair<const char*, const char*> refused[] = {
        {"/p/", "/x/line\nbreak.htm"},      // would add a line of its own
        {"/p/", "/x/tab\there.htm"},
        {"/p/", "/x/wave\xe3\x80\x9c.htm"},  // U+301C has no faithful code-page form here
        {"/p/", "/x/emoji\xf0\x9f\x98\x80.htm"},
        {"/p/\xc3\xa9t\xc3\xa9/", "/x/a.htm"},  // the work folder counts too
    };
    for (auto [folder, page] : refused) {
        auto bytes = ProjectFileBytes(codec, folder, page);
        EXPECT_FALSE(bytes) << page;
    }
}

TEST(ProjectFile, EachWriteReplacesTheWholeFile) {
    testing::FakePlatform fake;
    ASSERT_TRUE(WriteProjectFile(fake.files, *fake.codec, "/w/", "/pages/a rather long first page name.htm"));
    ASSERT_TRUE(WriteProjectFile(fake.files, *fake.codec, "/w/", "/b.htm"));
    EXPECT_EQ(fake.files.files["/w/Dummy.hhp"], *fake.codec->ToAnsi(ProjectFileText("/w/", "/b.htm")));
}

TEST(ProjectFile, AFolderThatCannotBeWrittenIsReported) {
    testing::FakePlatform fake;
    fake.files.read_only_folders.insert("/w/");
    auto written = WriteProjectFile(fake.files, *fake.codec, "/w/", "/b.htm");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find("/w/Dummy.hhp"), std::string::npos);
}

}  // namespace
}  // namespace tess
