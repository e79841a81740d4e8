#include "tests/contract/synthetic_form.h"

namespace tess::testing {

FormSpec SyntheticForm() {
    FormSpec form;
    form.name = "frmSample";
    form.caption = "見本フォーム";
    form.border = BorderStyle::fixed_dialog;
    form.in_taskbar = false;
    form.back_color = 0x00FFFFFF;
    form.client_width = 6000;
    form.client_height = 4200;

    auto add = [&form](ControlSpec c) { form.controls.push_back(std::move(c)); };
    ControlSpec c;

    c = {};
    c.name = "coClose"; c.kind = ControlKind::picture_button; c.place = {120, 120, 675, 765};
    c.tab_index = 0; c.tooltip = "終了"; c.picture = "close";
    add(c);
    c = {};
    c.name = "coOption"; c.kind = ControlKind::picture_button; c.place = {885, 120, 735, 600};
    c.tab_index = 3; c.tooltip = "設定"; c.picture = "option";
    add(c);
    c = {};
    c.name = "coHelp"; c.kind = ControlKind::picture_button; c.place = {1740, 120, 735, 600};
    c.tab_index = 1; c.tooltip = "バージョンとヘルプ"; c.picture = "help";
    add(c);
    c = {};
    c.name = "Label2"; c.kind = ControlKind::label; c.place = {2640, 480, 1575, 255};
    c.caption = "変換中"; c.fore_color = 0x000040C0; c.back_color = 0x00FFFFFF;
    c.font_name = "ＭＳ Ｐゴシック"; c.font_points = 9.75; c.bold = true;
    add(c);
    c = {};
    c.name = "Frame1"; c.kind = ControlKind::frame; c.place = {105, 1080, 4200, 1425};
    c.caption = "ここへHtmlファイルをドラッグ&&ドロップしてください"; c.tooltip = "ドラッグ&ドロップしてください";
    c.back_color = 0x00FFFFFF; c.tab_index = 2; c.drop_target = true;
    add(c);
    c = {};
    c.name = "Check1"; c.kind = ControlKind::check_box; c.place = {120, 360, 3900, 255};
    c.parent = "Frame1"; c.caption = "変換処理終了後、自動終了する"; c.tab_index = 4;
    add(c);
    c = {};
    c.name = "Label1(0)"; c.kind = ControlKind::label; c.place = {120, 780, 3900, 495};
    c.parent = "Frame1"; c.tab_index = 5;
    c.caption = "ドラッグ&&ドロップしたファイルと同じフォルダにHelpファイルを書き込みました。";
    add(c);
    c = {};
    c.name = "lblName"; c.kind = ControlKind::label; c.place = {4440, 1140, 1455, 255};
    c.caption = "名前(&N)"; c.tab_index = 6;
    add(c);
    c = {};
    c.name = "Text1"; c.kind = ControlKind::text_box; c.place = {4440, 1440, 1455, 300};
    c.caption = "初期値"; c.tab_index = 7;
    add(c);
    c = {};
    c.name = "Check2"; c.kind = ControlKind::check_box; c.place = {120, 2640, 3495, 375};
    c.caption = "次回の起動時にも使用方法を表示する。"; c.checked = true; c.tab_index = 8;
    add(c);
    c = {};
    c.name = "Line1(1)"; c.kind = ControlKind::line; c.place = {90, 3165, 5910, 3165};
    c.fore_color = 0x00808080;
    add(c);
    c = {};
    c.name = "Line1(0)"; c.kind = ControlKind::line; c.place = {105, 3180, 5910, 3180};
    c.fore_color = 0x00C0C0C0; c.line_width_px = 2;
    add(c);
    c = {};
    c.name = "picIcon"; c.kind = ControlKind::picture; c.place = {4440, 240, 510, 510}; c.picture = "icon";
    add(c);
    c = {};
    c.name = "lblAuto"; c.kind = ControlKind::label; c.place = {2400, 3900, 1200, 180}; c.auto_size = true;
    c.caption = "自動サイズのラベルは窓の右端までしか伸びません";
    add(c);
    c = {};
    c.name = "cmdOK"; c.kind = ControlKind::button; c.place = {3300, 3480, 1215, 375};
    c.caption = "OK"; c.tab_index = 9; c.is_default = true;
    add(c);
    c = {};
    c.name = "cmdCancel"; c.kind = ControlKind::button; c.place = {4620, 3480, 1215, 375};
    c.caption = "ｷｬﾝｾﾙ"; c.tab_index = 10; c.is_cancel = true;
    add(c);
    c = {};
    c.name = "cmdSysInfo"; c.kind = ControlKind::button; c.place = {120, 3480, 1800, 375};
    c.caption = "ｼｽﾃﾑ情報(&S)..."; c.tab_index = 11;
    add(c);
    return form;
}

}  // namespace tess::testing
