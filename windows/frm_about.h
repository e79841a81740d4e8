// The About box: title, version, the help file and the system-information tool.
#pragma once

#include "windows/form.h"

namespace tess {

FormSpec FrmAboutSpec();

// "ﾊﾞｰｼﾞｮﾝ 1.1.0" for version 1.1.0.
std::string VersionLabel(const Version& version);

class FrmAbout final : public Form {
public:
    explicit FrmAbout(App& app);

    void Form_Load() override;
    void cmdOK_Click();
    void coHelp_Click();
    void cmdSysInfo_Click();

    const std::string& ProgramFolder() const { return program_folder_; }

private:
    std::string program_folder_;
};

}  // namespace tess
