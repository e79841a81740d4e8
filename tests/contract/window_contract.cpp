// The window seam's contract: one body, run against every window system (the recording fake,
// Qt offscreen, Win32 under Wine). Each suite instantiates it with its own driver:
//   INSTANTIATE_TEST_SUITE_P(Name, WindowContract, ::testing::Values(WindowDriverFactory{...}));
#include "tests/contract/window_contract.h"

#include <gtest/gtest.h>

#include "tests/contract/recording_events.h"
#include "tests/contract/synthetic_form.h"

namespace tess::testing {

WindowContract::WindowContract() : driver_(GetParam()()), ws(driver_->windows()) {
    id = driver_->Create(SyntheticForm(), events);
}

void WindowContract::SetUp() { ASSERT_NE(id, kNoWindow); }

namespace {

TEST_P(WindowContract, FormCaptionIsSetAndRead) {
    EXPECT_EQ(ws.FormCaption(id), "見本フォーム");
    ws.SetFormCaption(id, "Tessaline  Ver 1. 1");
    EXPECT_EQ(ws.FormCaption(id), "Tessaline  Ver 1. 1");
}

TEST_P(WindowContract, CheckedIsSetAndReadWithoutEvents) {
    EXPECT_TRUE(ws.Checked(id, "Check2"));  // design state
    EXPECT_FALSE(ws.Checked(id, "Check1"));
    ws.SetChecked(id, "Check1", true);
    ws.SetChecked(id, "Check2", false);
    EXPECT_TRUE(ws.Checked(id, "Check1"));
    EXPECT_FALSE(ws.Checked(id, "Check2"));
    EXPECT_TRUE(events.clicks.empty());
}

TEST_P(WindowContract, ClicksReachTheFormByControlName) {
    driver().Show(id);
    // Check1 sits inside a frame: the form hears it all the same.
    const std::vector<std::string> names{"cmdOK", "coHelp", "cmdSysInfo", "coClose", "coOption", "Check1"};
    for (const auto& name : names) driver().UserClick(id, name);
    EXPECT_EQ(events.clicks, names);
    EXPECT_TRUE(ws.Checked(id, "Check1"));
}

TEST_P(WindowContract, ACheckBoxTogglesBeforeItsClick) {
    driver().Show(id);
    std::vector<bool> seen;
    events.on_click = [&](const std::string& name) { seen.push_back(ws.Checked(id, name)); };
    driver().UserClick(id, "Check2");
    driver().UserClick(id, "Check2");
    EXPECT_EQ(events.clicks, (std::vector<std::string>{"Check2", "Check2"}));
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_P(WindowContract, DisabledControlsTakeNoClicks) {
    driver().Show(id);
    ws.SetEnabled(id, "cmdOK", false);
    ws.SetEnabled(id, "Check2", false);
    driver().UserClick(id, "cmdOK");
    driver().UserClick(id, "Check2");
    EXPECT_TRUE(events.clicks.empty());
    ws.SetEnabled(id, "cmdOK", true);
    driver().UserClick(id, "cmdOK");
    EXPECT_EQ(events.clicks, std::vector<std::string>{"cmdOK"});
}

TEST_P(WindowContract, TheCloseBoxUnloadsAndReportsClosed) {
    driver().Show(id);
    driver().UserClose(id);
    EXPECT_EQ(events.closes, 1);
    EXPECT_TRUE(driver().Gone(id));
    // Nothing is left: the event loop ends at once.
    EXPECT_EQ(ws.Run(), 0);
}

TEST_P(WindowContract, AFormThatDeclinesACloseKeepsItsWindowUntilItUnloadsIt) {
    driver().Show(id);
    events.allow_close = false;
    driver().UserClose(id);
    driver().UserClose(id);
    EXPECT_EQ(events.close_asks, 2);
    EXPECT_EQ(events.closes, 0);
    EXPECT_FALSE(driver().Gone(id));
    EXPECT_TRUE(driver().Visible(id));
    ws.Unload(id);
    EXPECT_TRUE(driver().Gone(id));
    EXPECT_EQ(ws.Run(), 0);
}

TEST_P(WindowContract, UnloadFromItsOwnClickHandlerIsSafe) {
    driver().Show(id);
    events.on_click = [&](const std::string&) { ws.Unload(id); };
    driver().UserClick(id, "cmdOK");
    EXPECT_TRUE(driver().Gone(id));
    EXPECT_EQ(events.closes, 0);  // unloaded by code, not by the close box
    ws.Unload(id);                // a second unload is harmless
}

TEST_P(WindowContract, UnloadedWindowsAnswerEmptyAndIgnoreCalls) {
    ws.Unload(id);
    EXPECT_TRUE(driver().Gone(id));
    EXPECT_EQ(ws.FormCaption(id), "");
    EXPECT_EQ(ws.Caption(id, "Label2"), "");
    EXPECT_FALSE(ws.Checked(id, "Check2"));
    ws.SetCaption(id, "Label2", "x");
    ws.SetChecked(id, "Check2", true);
    ws.ShowModal(id);  // returns at once
    EXPECT_FALSE(driver().Visible(id));
}

}  // namespace
}  // namespace tess::testing
