// The named mutex seen from this process and from another one.
#include <windows.h>

#include <gtest/gtest.h>

#include "child_process.h"
#include "app/identity.h"
#include "platform/win32/win32_single_instance.h"

namespace tess::testing {
namespace {

std::string UniqueName(const char* what) {
    return std::string("Local\\Tessaline.Test.") + what + "." + std::to_string(GetCurrentProcessId());
}

TEST(Win32SingleInstanceTest, TheFirstInstanceSeesNoOther) {
    win32::Win32SingleInstance first(UniqueName("first"));
    EXPECT_FALSE(first.AnotherInstanceRunning());
    // Asking again does not find its own claim.
    EXPECT_FALSE(first.AnotherInstanceRunning());
}

TEST(Win32SingleInstanceTest, ASecondProcessSeesTheFirst) {
    std::string name = UniqueName("second");
    win32::Win32SingleInstance first(name);
    ASSERT_FALSE(first.AnotherInstanceRunning());
    EXPECT_EQ(RunChild({"instance", name}), 1);
    EXPECT_EQ(RunChild({"instance", UniqueName("unrelated")}), 0);
}

TEST(Win32SingleInstanceTest, TheClaimEndsWithItsHolder) {
    std::string name = UniqueName("ended");
    {
        win32::Win32SingleInstance gone(name);
        ASSERT_FALSE(gone.AnotherInstanceRunning());
    }
    EXPECT_EQ(RunChild({"instance", name}), 0);
}

TEST(Win32SingleInstanceTest, TheProgramsNameIsPerSession) {
    EXPECT_EQ(win32::InstanceMutexName(Names()).rfind("Local\\", 0), 0u);
}

}  // namespace
}  // namespace tess::testing
