// The options dialog: the three choices and the compiler's re-detection.
#pragma once

#include "windows/form.h"

namespace tess {

FormSpec DialogSpec();

class Dialog final : public Form {
public:
    explicit Dialog(App& app);

    void Form_Load() override;
    void OKButton_Click();
    void CancelButton_Click();
    void Command1_Click();
};

}  // namespace tess
