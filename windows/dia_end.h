// The notice at the end of a conversion run, with its "don't show again" choice.
#pragma once

#include "windows/form.h"

namespace tess {

FormSpec DiaEndSpec();

class DiaEnd final : public Form {
public:
    explicit DiaEnd(App& app);

    void Form_Load() override;
    void OKButton_Click();
};

}  // namespace tess
