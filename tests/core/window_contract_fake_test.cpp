// The window contract on the recording fake: the headless tests' window system behaves as the
// real ones do.
#include "tests/contract/window_contract.h"
#include "tests/fakes/fake_window_system.h"

namespace tess::testing {
namespace {

class FakeDriver final : public WindowDriver {
public:
    WindowSystem& windows() override { return fake_; }
    WindowId Create(const FormSpec& form, FormEvents& events) override { return fake_.Create(form, events); }
    void Show(WindowId window) override { fake_.ShowModeless(window); }
    void UserClick(WindowId window, const std::string& control) override { fake_.UserClick(window, control); }
    void UserClose(WindowId window) override { fake_.UserClose(window); }
    bool Visible(WindowId window) override { return fake_.Window(window).visible; }
    bool Gone(WindowId window) override { return !fake_.Window(window).loaded; }

private:
    FakeWindowSystem fake_;
};

INSTANTIATE_TEST_SUITE_P(Fake, WindowContract,
                         ::testing::Values(WindowDriverFactory([] { return std::make_unique<FakeDriver>(); })),
                         [](const auto&) { return std::string("FakeDriver"); });

}  // namespace
}  // namespace tess::testing
