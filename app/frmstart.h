// The start-up form: refuses a second instance, then the introduction splash or the main window.
#pragma once

#include <memory>

#include "windows/form.h"
#include "app/form1.h"

namespace tess {

FormSpec FrmStartSpec();

inline constexpr const char* kSplashOff = "OFF";

class FrmStart final : public Form {
public:
    explicit FrmStart(App& app);

    // Leaves the splash loaded and showing when the event loop must run; unloads itself when the
    // program is done (another instance runs, or the main window was shown modally and closed).
    void Form_Load() override;
    void Command1_Click();

    Form1* MainWindow() { return main_window_.get(); }

private:
    std::unique_ptr<Form1> main_window_;
};

// The whole desktop program, from start to end.
int TessalineMain(Platform& platform);

}  // namespace tess
