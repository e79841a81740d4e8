// The main window's answers to what the user does around a run: a drop that holds no files,
// and a close asked for while a run holds the window.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "tests/core/app_fixture.h"

namespace tess {
namespace {

class MainWindowEventsTest : public testing::AppTest {
protected:
    MainWindowEventsTest() {
        fake.program.executable_folder = "/opt/tessaline";
        main = std::make_unique<Form1>(app);
        main->ShowModeless();
        window = main->id();
        fake.windows.on_modal["diaEnd"] = [this](WindowId id) {
            ++notices;
            main_open_at_notice = fake.windows.IsLoaded("Form1");
            if (close_at_notice) fake.windows.UserClose(window);
            fake.windows.UserClick(id, "OKButton");
        };
    }
    // The user asks to close the main window the first time the run waits on the compiler.
    void CloseDuringTheRun() {
        fake.clock.on_advance = [this, inner = fake.clock.on_advance](std::int64_t now) {
            inner(now);
            if (closes_asked++ == 0) {
                fake.windows.UserClose(window);
                main_open_after_close = fake.windows.IsLoaded("Form1");
            }
        };
    }
    std::string Status() { return fake.windows.CaptionOf("Form1", "Label2"); }

    std::unique_ptr<Form1> main;
    WindowId window = kNoWindow;
    int notices = 0;
    int closes_asked = 0;
    bool close_at_notice = false;
    bool main_open_at_notice = false;
    bool main_open_after_close = false;
};

TEST_F(MainWindowEventsTest, ADropOfThingsThatAreNotFilesIsToldAndNothingRuns) {
    fake.windows.UserDropNotFiles(window, "Frame1", {"https://example.org/a.html", "ftp://example.org/b.htm"});
    ASSERT_EQ(fake.windows.messages.size(), 1u);
    const testing::ShownMessage& told = fake.windows.messages[0];
    EXPECT_EQ(told.caption, "Quillvane");
    EXPECT_EQ(told.icon, MessageIcon::exclamation);
    EXPECT_EQ(told.owner, window);
    EXPECT_EQ(told.text, NotFilesMessage({"https://example.org/a.html", "ftp://example.org/b.htm"}));
    // Refused before a run: the status is untouched, nothing is written or started, no notice.
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(fake.processes.started.empty());
    EXPECT_FALSE(fake.files.files.count("/opt/tessaline/Dummy.hhp"));
    EXPECT_EQ(notices, 0);
    EXPECT_TRUE(fake.windows.IsLoaded("Form1"));
}

TEST_F(MainWindowEventsTest, TheRefusalNamesWhatWasDroppedWithinReason) {
    const std::string head = NotFilesMessage({});
    EXPECT_EQ(head.find("\r\n"), head.rfind("\r\n"));  // two lines, none after the last
    EXPECT_NE(head.substr(head.size() - 2), "\r\n");
    EXPECT_EQ(NotFilesMessage({"a", "b", "c", "d", "e", "f", "g", "h"}), head + "\r\na\r\nb\r\nc\r\nd\r\ne\r\nほか 3 件");
    // A long item is cut between characters, never inside one; one that just fits stays whole.
    EXPECT_EQ(NotFilesMessage({std::string(119, 'x') + "ページ"}), head + "\r\n" + std::string(119, 'x') + "…");
    EXPECT_EQ(NotFilesMessage({std::string(117, 'x') + "ペ"}), head + "\r\n" + std::string(117, 'x') + "ペ");
}

TEST_F(MainWindowEventsTest, ACloseAskedForDuringARunWaitsForTheRunAndItsNotice) {
    struct Case {
        const char* name;
        std::vector<std::string> drop;
        std::string end_option;
        bool at_notice;     // asked while the notice is up, else while the compiler works
        int notices;
        bool told;          // the run ended at a file it could not take
    };
    const Case cases[] = {
        {"normal end", {"/pages/a.htm"}, "open", false, 1, false},
        {"during the notice", {"/pages/a.htm"}, "open", true, 1, false},
        {"run that closes the window itself", {"/pages/a.htm"}, "close", false, 1, false},
        {"run stopped at a file that is no page", {"/pages/a.htm", "/pages/b.txt"}, "open", false, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.windows.messages.clear();
        notices = 0;
        closes_asked = 0;
        main = std::make_unique<Form1>(app);
        main->ShowModeless();
        window = main->id();
        fake.settings.SetInfo("EndOption", c.end_option);
        AddPage("/pages/a.htm");
        fake.files.files.erase("/pages/a.chm");
        close_at_notice = c.at_notice;
        if (!c.at_notice) CloseDuringTheRun();
        main_open_after_close = true;

        fake.windows.UserDrop(window, "Frame1", c.drop);

        EXPECT_TRUE(main_open_after_close) << "the main window went while the run was still going";
        EXPECT_EQ(notices, c.notices);
        if (c.notices > 0) {
            EXPECT_TRUE(main_open_at_notice) << "the notice came without its main window";
        }
        EXPECT_EQ(fake.windows.messages.size(), c.told ? 1u : 0u);
        EXPECT_EQ(fake.files.files["/pages/a.chm"], "ITSF:/pages/a.htm");
        EXPECT_FALSE(fake.windows.IsLoaded("Form1")) << "the close was not carried out after the run";
        EXPECT_FALSE(main->loaded());
        fake.clock.on_advance = nullptr;
        compiler.Install();
    }
}

TEST_F(MainWindowEventsTest, ACloseWithoutARunTakesEffectAtOnceAndOneAfterARunIsNotRemembered) {
    AddPage("/pages/a.htm");
    fake.windows.UserDrop(window, "Frame1", {"/pages/a.htm"});
    EXPECT_TRUE(fake.windows.IsLoaded("Form1"));  // no close was asked during that run
    EXPECT_EQ(Status(), "変換終了");
    fake.windows.UserClose(window);
    EXPECT_FALSE(fake.windows.IsLoaded("Form1"));
    EXPECT_FALSE(main->loaded());
}

}  // namespace
}  // namespace tess
