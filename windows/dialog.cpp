#include "windows/dialog.h"

#include "settings/compiler_location.h"

namespace tess {

FormSpec DialogSpec() {
    FormSpec f;
    f.name = "Dialog";
    f.caption = "オプション";
    f.border = BorderStyle::fixed_dialog;
    f.client_width = 6030;
    f.client_height = 4845;
    f.client_origin = std::pair{2760, 3750};
    f.controls = {
        {.name = "Frame1", .kind = ControlKind::frame, .place = {120, 270, 4275, 1140}, .tab_index = 2},
        {.name = "Check3", .kind = ControlKind::check_box, .caption = "変換処理終了時にメッセージを表示する",
         .place = {120, 240, 3495, 375}, .tab_index = 9, .parent = "Frame1"},
        {.name = "Check1", .kind = ControlKind::check_box, .caption = "変換処理終了後、自動終了する",
         .place = {135, 600, 3900, 255}, .tab_index = 3, .parent = "Frame1"},
        {.name = "Frame2", .kind = ControlKind::frame, .caption = "HtmlHelpWorkShopインストールパス",
         .place = {120, 1560, 5775, 975}, .tab_index = 4},
        {.name = "Label1", .kind = ControlKind::label, .place = {120, 360, 0, 0}, .tab_index = 5,
         .parent = "Frame2", .auto_size = true},
        {.name = "Label2", .kind = ControlKind::label, .caption = "(インストールパスは自動検出です。)",
         .place = {120, 600, 4695, 255}, .tab_index = 6, .parent = "Frame2"},
        {.name = "Command1", .kind = ControlKind::button, .caption = "再検出", .place = {3360, 600, 1215, 255},
         .tab_index = 7, .parent = "Frame2"},
        {.name = "Check2", .kind = ControlKind::check_box, .caption = "『はじめに』画面を起動時に表示する",
         .place = {120, 2760, 3495, 375}, .tab_index = 8},
        {.name = "OKButton", .kind = ControlKind::button, .caption = "OK", .place = {3300, 4410, 1215, 375},
         .tab_index = 0},
        {.name = "CancelButton", .kind = ControlKind::button, .caption = "ｷｬﾝｾﾙ", .place = {4620, 4395, 1215, 375},
         .tab_index = 1},
        // Carries the re-detected folder; not meant for the user.
        {.name = "Text1", .kind = ControlKind::text_box, .place = {4560, 240, 150, 270}, .tab_index = 10,
         .visible = false},
    };
    return f;
}

Dialog::Dialog(App& app) : Form(app, DialogSpec()) {
    OnClick("OKButton", [this] { OKButton_Click(); });
    OnClick("CancelButton", [this] { CancelButton_Click(); });
    OnClick("Command1", [this] { Command1_Click(); });
}

void Dialog::Form_Load() {
    const SettingsStore& s = app_.settings;
    SetCaption("Label1", s.Read(kKeyInstallPath));
    SetChecked("Check1", s.Read(kKeyEndOption) == "close");
    SetChecked("Check2", s.Read(kKeyStartSplash) == "ON");
    SetChecked("Check3", s.Read(kKeyMessage) != "OFF");
}

void Dialog::OKButton_Click() {
    app_.settings.Write(kKeyEndOption, Checked("Check1") ? "close" : "open", id_);
    app_.settings.Write(kKeyStartSplash, Checked("Check2") ? "ON" : "OFF", id_);
    app_.settings.Write(kKeyMessage, Checked("Check3") ? "ON" : "OFF", id_);
    Unload();
}

void Dialog::CancelButton_Click() { Unload(); }

void Dialog::Command1_Click() {
    LocateHelpCompiler(app_.platform, app_.settings, LocateCaller::options_dialog, id_);
}

}  // namespace tess
