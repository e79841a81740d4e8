// The window contract on Qt, offscreen: clicks and the close box as the user gives them.
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <map>

#include "platform/qt/qt_window_system.h"
#include "tests/contract/window_contract.h"

namespace tess::testing {
namespace {

class QtDriver final : public WindowDriver {
public:
    WindowSystem& windows() override { return ws_; }
    WindowId Create(const FormSpec& form, FormEvents& events) override {
        const WindowId id = ws_.Create(form, events);
        made_[id] = ws_.WindowWidget(id);
        return id;
    }
    void Show(WindowId window) override {
        ws_.ShowModeless(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ws_.WindowWidget(window)));
    }
    void UserClick(WindowId window, const std::string& control) override {
        QTest::mouseClick(ws_.ControlWidget(window, control), Qt::LeftButton);
    }
    void UserClose(WindowId window) override { ws_.WindowWidget(window)->close(); }
    bool Visible(WindowId window) override {
        QWidget* widget = ws_.WindowWidget(window);
        return widget && widget->isVisible();
    }
    bool Gone(WindowId window) override {
        // The widget itself goes at the next turn of the loop; the window system lets go at once.
        return ws_.WindowWidget(window) == nullptr && (made_[window].isNull() || !made_[window]->isVisible());
    }

private:
    qt::QtWindowSystem ws_;
    std::map<WindowId, QPointer<QWidget>> made_;
};

INSTANTIATE_TEST_SUITE_P(Qt, WindowContract,
                         ::testing::Values(WindowDriverFactory([] { return std::make_unique<QtDriver>(); })),
                         [](const auto&) { return std::string("QtDriver"); });

}  // namespace
}  // namespace tess::testing
