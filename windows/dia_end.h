// The notice at the end of a conversion run, with its "don't show again" choice.
#pragma once

#include "app/form.h"

namespace tess {

FormSpec DiaEndSpec();

class DiaEnd final : public Form {
public:
    explicit DiaEnd(App& app) : Form(app, DiaEndSpec()) {}

    // Loads the notice and returns once it has been closed.
    void ShowModal(WindowId owner = kNoWindow);

    void Click(const std::string& control) override;

    void Form_Load();
    void OKButton_Click();
};

}  // namespace tess
