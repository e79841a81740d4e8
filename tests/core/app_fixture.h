// A program on fake services with a compiler installed at /opt/workshop and pages under /pages.
#pragma once

#include <gtest/gtest.h>

#include "app/identity.h"
#include "windows/app.h"
#include "settings/compiler_location.h"
#include "tests/fakes/fake_compiler.h"
#include "tests/fakes/fake_services.h"

namespace tess::testing {

class AppTest : public ::testing::Test {
protected:
    AppTest() {
        fake.registry.SetString(RegRoot::current_user, kHelpWorkshopKey, kInstallDirValue, "/opt/workshop");
        compiler.Install();
    }

    void AddPage(const std::string& path, const std::string& bytes = "<html>page</html>") {
        fake.files.files[path] = bytes;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : fake.windows.messages) texts.push_back(m.text);
        return texts;
    }

    FakePlatform fake;
    FakeCompiler compiler{fake};
    App app{fake.platform, Identity()};
};

}  // namespace tess::testing
