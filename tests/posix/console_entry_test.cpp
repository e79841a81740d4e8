#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/identity.h"
#include "platform/entry.h"
#include "scoped_env.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

TEST(RunConsole, HandsTheBodyLinuxServicesRootedInTheUsersFolders) {
    TempFolder dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir / "config");
    ScopedEnv cache("XDG_CACHE_HOME", dir / "cache");
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path());
    char name[] = "tessaline-convert";
    char* argv[] = {name, nullptr};

    const int code = RunConsole(1, argv, Names(), [&](Platform& platform) {
        EXPECT_FALSE(platform.instance.AnotherInstanceRunning());
        EXPECT_TRUE(platform.settings.Set("Quillvane", "info", "EndOption", "open"));
        EXPECT_EQ(platform.program.UserWorkFolder("Quillvane"), dir / "cache/Quillvane/");

        RegKey key = 0;
        EXPECT_EQ(platform.registry.OpenKey(RegRoot::current_user, "Software\\Microsoft\\HTML Help Workshop",
                                            kKeyQueryValue, &key),
                  kRegSuccess);
        unsigned char buffer[250] = {};
        std::uint32_t size = sizeof buffer;
        EXPECT_EQ(platform.registry.QueryValue(key, "InstallDir", nullptr, buffer, &size), kRegSuccess);
        platform.registry.CloseKey(key);
        EXPECT_EQ(reinterpret_cast<char*>(buffer), platform.program.ExecutableFolder());
        return 7;
    });
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(std::filesystem::exists(dir / "config/Quillvane/settings.ini"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Quillvane.lock"));
}

}  // namespace
}  // namespace tess
