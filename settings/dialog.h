// The options dialog: the three choices and the compiler's re-detection.
#pragma once

#include "app/form.h"

namespace tess {

FormSpec DialogSpec();

class Dialog final : public Form {
public:
    explicit Dialog(App& app) : Form(app, DialogSpec()) {}

    void ShowModal();
    void Click(const std::string& control) override;

    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click();
    void Command1_Click();
};

}  // namespace tess
