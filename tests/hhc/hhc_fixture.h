// A program folder, a page folder and a private TMPDIR, all with blanks and Japanese names.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "hhc_runner.h"
#include "platform/posix/iconv_text_codec.h"
#include "temp_tree.h"

namespace hhc_test {

class HhcFixture : public ::testing::Test {
protected:
    HhcFixture() {
        program = tree.Path("プログラム フォルダ") + "/";
        pages = tree.Path("ページ 集") + "/";
        tmp = tree.Path("tmp");
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(pages);
        std::filesystem::create_directories(tmp);
        options.env["TMPDIR"] = tmp;
    }

    std::string Chm() const { return program + "Dummy.chm"; }
    std::string Log() const { return program + "log1.log"; }
    std::string ProjectFor(const std::string& page) { return WriteProgramProject(program, page); }
    // A project of the test's own text, written in code page 932 as the program would.
    // In code page 932 as the program writes it, or as UTF-8 as other authors may.
    std::string ProjectOf(const std::string& text, bool as_utf8 = false) {
        std::string path = program + "Dummy.hhp";
        std::ofstream(path, std::ios::binary) << (as_utf8 ? text : *tess::IconvTextCodec().ToAnsi(text));
        return path;
    }

    std::set<std::string> Names(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
        return names;
    }
    // Nothing but the three work files may stay, and the private folders must be gone.
    void ExpectNoTemporaries() const {
        std::set<std::string> allowed = {"Dummy.hhp", "Dummy.chm", "log1.log"};
        for (const auto& name : Names(program)) EXPECT_TRUE(allowed.count(name)) << "left behind: " << name;
        EXPECT_TRUE(Names(tmp).empty()) << "left in TMPDIR: " << *Names(tmp).begin();
    }

    // Root reads every file: hand the tree to an ordinary user and run hhc as that user.
    // Call it inside ASSERT_NO_FATAL_FAILURE.
    void RunAsOrdinaryUser() {
        if (geteuid() != 0) return;
        constexpr uid_t kNobody = 65534;
        for (const auto& e : std::filesystem::recursive_directory_iterator(tree.root()))
            ASSERT_EQ(lchown(e.path().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(chown(tree.root().c_str(), kNobody, kNobody), 0);
        options.run_as_user = kNobody;
    }

    TempTree tree;
    std::string program, pages, tmp;
    HhcOptions options;
};

}  // namespace hhc_test
