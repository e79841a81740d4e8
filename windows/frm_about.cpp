#include "windows/frm_about.h"

#include "platform/path_names.h"
#include "windows/help_launch.h"

namespace tess {

FormSpec FrmAboutSpec() {
    FormSpec f;
    f.name = "frmAbout";
    f.border = BorderStyle::fixed_dialog;
    f.client_width = 5730;
    f.client_height = 3555;
    f.client_origin = std::pair{2340, 1935};
    f.controls = {
        {.name = "picIcon", .kind = ControlKind::picture, .place = {240, 225, 510, 510}, .tab_index = 1,
         .picture = "icon"},
        {.name = "lblTitle", .kind = ControlKind::label, .place = {1050, 240, 3885, 480}, .tab_index = 5,
         .fore_color = 0x000000, .font_points = 12, .bold = true},
        {.name = "lblVersion", .kind = ControlKind::label, .place = {1050, 780, 3885, 225}, .tab_index = 6},
        {.name = "coHelp", .kind = ControlKind::button, .caption = "Help表示", .place = {4320, 1185, 1305, 360},
         .tab_index = 7},
        {.name = "Line1(1)", .kind = ControlKind::line, .place = {90, 2445, 5654, 2445}, .fore_color = 0x808080,
         .line_width_px = 1},
        {.name = "Line1(0)", .kind = ControlKind::line, .place = {105, 2460, 5654, 2460}, .fore_color = 0xFFFFFF,
         .line_width_px = 2},
        {.name = "cmdOK", .kind = ControlKind::button, .caption = "OK", .place = {4245, 2625, 1380, 345},
         .tab_index = 0, .is_default = true, .is_cancel = true},
        {.name = "lblDisclaimer", .kind = ControlKind::label,
         .caption = "このソフトウェアは無保証で提供されます。", .place = {255, 2640, 3870, 345}, .tab_index = 4,
         .fore_color = 0x000000},
        {.name = "cmdSysInfo", .kind = ControlKind::button, .caption = "ｼｽﾃﾑ情報(&S)...",
         .place = {4260, 3075, 1380, 345}, .tab_index = 2},
    };
    return f;
}

std::string VersionLabel(const Version& version) {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

FrmAbout::FrmAbout(App& app) : Form(app, FrmAboutSpec()) {
    OnClick("cmdOK", [this] { cmdOK_Click(); });
    OnClick("coHelp", [this] { coHelp_Click(); });
    OnClick("cmdSysInfo", [this] { cmdSysInfo_Click(); });
}

void FrmAbout::Form_Load() {
    windows().SetFormCaption(id_, app_.identity.display_title + "のﾊﾞｰｼﾞｮﾝ情報");
    SetCaption("lblVersion", VersionLabel(app_.identity.version));
    SetCaption("lblTitle", app_.identity.display_title);
    program_folder_ = WithTrailingSeparator(app_.platform.program.ExecutableFolder());
}

void FrmAbout::cmdOK_Click() { Unload(); }

void FrmAbout::coHelp_Click() { OpenHelpFile(app_.platform, program_folder_); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(app_.platform, id_, app_.identity.app_title); }

}  // namespace tess
