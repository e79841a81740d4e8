// The start-up form: refuses a second instance, then the introduction splash or the main window.
#pragma once

#include <memory>

#include "app/form.h"
#include "app/form1.h"

namespace tess {

FormSpec FrmStartSpec();

inline constexpr const char* kSplashOff = "OFF";

class FrmStart final : public Form {
public:
    explicit FrmStart(App& app) : Form(app, FrmStartSpec()) {}

    // True when the splash is showing and the event loop must run; false when the program is done.
    bool Form_Load();
    void Command1_Click();

    void Click(const std::string& control) override;

    Form1* MainWindow() { return main_window_.get(); }

private:
    std::unique_ptr<Form1> main_window_;
};

// The whole desktop program, from start to end.
int TessalineMain(Platform& platform);

}  // namespace tess
