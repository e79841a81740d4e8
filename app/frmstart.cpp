#include "app/frmstart.h"

#include "app/identity.h"
#include "app/window_geometry.h"

namespace tess {

FormSpec FrmStartSpec() {
    FormSpec f;
    f.name = "frmstart";
    f.caption = std::string(kDisplayTitle) + " ";
    f.border = BorderStyle::sizable;
    f.min_max_buttons = true;
    f.in_taskbar = true;
    f.client_width = 7320;
    f.client_height = 4680;
    f.controls = {
        {.name = "Label1", .kind = ControlKind::label, .caption = "はじめに", .place = {360, 240, 735, 255},
         .tab_index = 2},
        {.name = "Label2(0)", .kind = ControlKind::label,
         .caption = "このツールは、簡単にHtmlファイルをHtmlHelp形式に変換するためのツールです。使い方は、いたって簡単です。",
         .place = {240, 600, 6255, 495}, .tab_index = 3},
        {.name = "Label2(1)", .kind = ControlKind::label,
         .caption = "Htmlファイルを次の画面の『ここへHtmlファイルをドラッグ&&ドロップしてください』の枠内へ、マウスでドラッグ&&"
                    "ドロップするだけです。専門的な知識はひつようありません。",
         .place = {240, 1200, 6105, 780}, .tab_index = 4},
        {.name = "Label2(2)", .kind = ControlKind::label,
         .caption = "このツールは、マイクロソフトのHelpWorkShopのコンパイラーを使用しています。かならず、未インストールの場合には"
                    "必ず合わせてインストールを行ってください。インストールの詳細は、同梱のヘルプファイルに記載されています。",
         .place = {240, 2040, 6195, 660}, .tab_index = 5},
        {.name = "Label2(3)", .kind = ControlKind::label,
         .caption = "HelpWorkShopは、MicrosoftのWEBサイトよりどなたでも無料でダウンロードできるソフトウェアです。",
         .place = {240, 3000, 6105, 540}, .tab_index = 6},
        {.name = "Check1", .kind = ControlKind::check_box, .caption = "次回の起動時にも使用方法を表示する。",
         .place = {120, 4080, 4455, 375}, .tab_index = 1, .checked = true},
        {.name = "Command1", .kind = ControlKind::button, .caption = "OK", .place = {6120, 4080, 1095, 375},
         .tab_index = 0},
    };
    return f;
}

FrmStart::FrmStart(App& app) : Form(app, FrmStartSpec()) { OnClick("Command1", [this] { Command1_Click(); }); }

void FrmStart::Form_Load() {
    if (app_.platform.instance.AnotherInstanceRunning()) {
        const std::string& title = app_.identity.app_title;
        windows().ShowMessage("すでに「" + title + "」は起動されています。", MessageIcon::exclamation, title);
        Unload();
        return;
    }
    CenterForm(windows(), id_);
    if (app_.settings.Read(kKeyStartSplash) == kSplashOff) {
        main_window_ = std::make_unique<Form1>(app_);
        main_window_->ShowModal();
        Unload();
        return;
    }
    SetChecked("Check1", true);
    windows().ShowModeless(id_);
}

void FrmStart::Command1_Click() {
    app_.settings.Write(kKeyStartSplash, Checked("Check1") ? "ON" : kSplashOff, id_);
    if (!main_window_) main_window_ = std::make_unique<Form1>(app_);
    main_window_->ShowModeless();
    Unload();
}

int TessalineMain(Platform& platform) {
    App app(platform, Identity());
    FrmStart start(app);
    start.Load();
    if (!start.loaded()) return 0;
    return platform.windows.Run();
}

}  // namespace tess
