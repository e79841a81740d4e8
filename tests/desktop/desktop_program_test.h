// The real windows on Qt over real files: a program folder and a pages folder of their own, our
// compiler found through the stand-in registry, no end-of-run notice.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/posix/posix_clock.h"
#include "platform/qt/qt_window_system.h"
#include "tests/fakes/real_files_program.h"

namespace tess::testing {

class DesktopProgramTest : public ::testing::Test, protected RealFilesProgram<PosixClock, qt::QtWindowSystem> {
protected:
    explicit DesktopProgramTest(const std::string& pages) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "tess-desktop-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        fs::create_directories(root_ + "/prog");
        fs::create_directories(root_ + "/" + pages);
        program.executable_folder = root_ + "/prog";
        registry.SetString(RegRoot::current_user, "Software\\Microsoft\\HTML Help Workshop", "InstallDir",
                           fs::path(HHC_PATH).parent_path().string());
        settings.SetInfo("Message", "OFF");
    }
    ~DesktopProgramTest() override {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::string root_;
};

}  // namespace tess::testing
