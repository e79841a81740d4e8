#include "windows/dia_end.h"

namespace tess {

FormSpec DiaEndSpec() {
    FormSpec f;
    f.name = "diaEnd";
    f.caption = "変換処理完了";
    f.border = BorderStyle::fixed_dialog;
    f.client_width = 6450;
    f.client_height = 1425;
    f.client_origin = std::pair{2760, 3750};
    f.controls = {
        {.name = "Label1(0)", .kind = ControlKind::label, .caption = "Html Help ファイルの作成を完了しました。",
         .place = {480, 240, 3210, 180}, .tab_index = 2, .auto_size = true},
        {.name = "Label1(1)", .kind = ControlKind::label,
         .caption = "ドラッグ&&ドロップしたファイルと同じフォルダにHelpファイルを書き込みました。",
         .place = {480, 480, 5805, 180}, .tab_index = 3, .auto_size = true},
        {.name = "Check1", .kind = ControlKind::check_box,
         .caption = "次回以降は変換処理終了時にメッセージを表示しない", .place = {240, 960, 4455, 255}, .tab_index = 1},
        {.name = "OKButton", .kind = ControlKind::button, .caption = "OK", .place = {4800, 960, 1215, 375},
         .tab_index = 0},
    };
    return f;
}

DiaEnd::DiaEnd(App& app) : Form(app, DiaEndSpec()) { OnClick("OKButton", [this] { OKButton_Click(); }); }

void DiaEnd::Form_Load() { SetChecked("Check1", app_.settings.Read(kKeyMessage) == "OFF"); }

void DiaEnd::OKButton_Click() {
    app_.settings.Write(kKeyMessage, Checked("Check1") ? "OFF" : "ON", id_);
    Unload();
}

}  // namespace tess
