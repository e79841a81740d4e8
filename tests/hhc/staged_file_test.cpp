#include "hhc/staged_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "temp_tree.h"

namespace {

// A work file reads back what was written, leaves no name in the folder even while open (a
// killed run leaves nothing), and a folder that is not there is said as such.
TEST(StagedFile, WorkFilesLeaveNothingBehind) {
    hhc_test::TempTree t;
    const std::string compiled = t.Path("out.chm");
    {
        auto file = hhc::StagedFile::WorkFile(compiled);
        ASSERT_TRUE(file) << file.error().message;
        **file << "index bytes";
        (*file)->seekg(0);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(**file), {}), "index bytes");
        EXPECT_TRUE(std::filesystem::is_empty(t.root()));
    }
    EXPECT_TRUE(std::filesystem::is_empty(t.root()));
    auto nowhere = hhc::StagedFile::WorkFile(t.Path("gone/out.chm"));
    ASSERT_FALSE(nowhere);
    EXPECT_NE(nowhere.error().message.find(t.Path("gone/out.chm") + " cannot be written"), std::string::npos)
        << nowhere.error().message;
}

}  // namespace
