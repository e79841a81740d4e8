#include "app/form1.h"

#include "app/identity.h"
#include "settings/compiler_location.h"
#include "settings/compiler_missing_message.h"
#include "app/window_geometry.h"
#include "convert/page_conversion.h"
#include "platform/path_names.h"
#include "convert/work_folder.h"
#include "windows/dialog.h"
#include "windows/dia_end.h"
#include "windows/frm_about.h"

namespace tess {

FormSpec Form1Spec() {
    FormSpec f;
    f.name = "Form1";
    f.caption = kDisplayTitle;
    f.border = BorderStyle::fixed_dialog;
    f.back_color = 0xFFFFFF;
    f.client_width = 4395;
    f.client_height = 3060;
    f.controls = {
        {.name = "coClose", .kind = ControlKind::picture_button, .place = {120, 120, 675, 765}, .tab_index = 0,
         .tooltip = "終了", .picture = "close"},
        {.name = "coHelp", .kind = ControlKind::picture_button, .place = {1740, 120, 735, 600}, .tab_index = 1,
         .tooltip = "バージョンとヘルプ", .picture = "help"},
        {.name = "Frame1", .kind = ControlKind::frame, .caption = "ここへHtmlファイルをドラッグ&&ドロップしてください",
         .place = {105, 1080, 4200, 1425}, .tab_index = 2, .tooltip = "ドラッグ&ドロップしてください",
         .drop_target = true, .back_color = 0xFFFFFF},
        {.name = "coOption", .kind = ControlKind::picture_button, .place = {885, 120, 735, 600}, .tab_index = 3,
         .tooltip = "設定", .picture = "option"},
        {.name = "Label2", .kind = ControlKind::label, .place = {2640, 480, 1575, 255}, .tab_index = 4,
         .fore_color = 0x000040C0, .back_color = 0xFFFFFF, .font_name = "ＭＳ Ｐゴシック", .font_points = 9.75,
         .bold = true},
        // Holds the compiler's folder for the program's own use; nothing depends on its being seen.
        {.name = "Text1", .kind = ControlKind::text_box, .place = {2760, 120, 150, 270}, .tab_index = 5,
         .visible = false},
    };
    return f;
}

std::string MainWindowCaption(const std::string& title, const Version& version) {
    return title + "  Ver" + " " + std::to_string(version.major) + "." + " " + std::to_string(version.minor);
}

namespace {

constexpr std::size_t kItemsShown = 5;
constexpr std::size_t kItemBytesShown = 120;

// At most `bytes` bytes of UTF-8 text, cut between characters.
std::string Shortened(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "…";
}

}  // namespace

std::string NotFilesMessage(const std::vector<std::string>& items) {
    std::string text = "ファイルではないもの(Webのリンクなど)がドロップされたため、変換しませんでした。\r\n"
                       "コンピューター上のHTMLファイルをドラッグ&ドロップしてください。";
    for (std::size_t i = 0; i < items.size() && i < kItemsShown; ++i)
        text += "\r\n" + Shortened(items[i], kItemBytesShown);
    if (items.size() > kItemsShown) text += "\r\nほか " + std::to_string(items.size() - kItemsShown) + " 件";
    return text;
}

Form1::Form1(App& app) : Form(app, Form1Spec()) {
    OnClick("coClose", [this] { coClose_Click(); });
    OnClick("coHelp", [this] { coHelp_Click(); });
    OnClick("coOption", [this] { coOption_Click(); });
    OnDrop("Frame1", [this](const std::vector<std::string>& paths) { Frame1_OLEDragDrop(paths); });
}

void Form1::Click(const std::string& control) {
    if (!busy_) Form::Click(control);
}

void Form1::DropRefused(const std::string& control, const std::vector<std::string>& items) {
    // Refused before any run starts: the status and the work files stay as they are.
    if (control == "Frame1" && !busy_)
        windows().ShowMessage(NotFilesMessage(items), MessageIcon::exclamation, app_.identity.app_title, id_);
}

void Form1::Resize() { Form_Resize(); }

bool Form1::AllowClose() {
    if (!busy_) return true;
    close_requested_ = true;
    return false;
}

void Form1::Form_Load() {
    CenterForm(windows(), id_);
    program_folder_ = WithTrailingSeparator(app_.platform.program.ExecutableFolder());
    windows().SetFormCaption(id_, MainWindowCaption(windows().FormCaption(id_), app_.identity.version));
    LocateHelpCompiler(app_.platform, app_.settings, LocateCaller::main_window, id_);
    if (app_.settings.Read(kKeyEndOption).empty()) app_.settings.Write(kKeyEndOption, "open", id_);
}

void Form1::Form_Resize() {
    if (!loaded()) return;
    ApplyRoundedOutline(windows(), id_);
    ++regions_set_;
}

void Form1::coClose_Click() {
    Unload();
    windows().Quit();
}

void Form1::coHelp_Click() {
    FrmAbout about(app_);
    about.ShowModal();
}

void Form1::coOption_Click() {
    Dialog dialog(app_);
    dialog.ShowModal();
}

void Form1::Frame1_OLEDragDrop(const std::vector<std::string>& paths) {
    if (busy_) return;
    busy_ = true;
    ConvertDroppedFiles(paths);
    busy_ = false;
    if (close_requested_) {
        close_requested_ = false;
        Unload();
    }
}

void Form1::ConvertDroppedFiles(const std::vector<std::string>& paths) {
    SetCaption("Label2", kStatusConverting);
    windows().ProcessPendingEvents();

    if (app_.settings.Read(kKeyInstallPath).empty()) {
        ShowCompilerMissing(windows(), id_);
        return;
    }

    CompilerRun run(app_.platform, {}, ChooseWorkFolder(app_.platform, program_folder_, app_.identity.app_title));
    run.pump = [this] { windows().ProcessPendingEvents(); };
    run.limits = app_.limits;

    int failed = 0;
    for (const std::string& page : paths) {
        if (!IsHtmlPage(page)) {
            // The run stops here, as it always has; the user is told why instead of being left guessing.
            windows().ShowMessage("HTMLファイル(拡張子 htm または html)ではないため、変換を中止しました。\r\n" + page,
                                  MessageIcon::exclamation, app_.identity.app_title, id_);
            return;
        }
        run.compiler = StoredCompiler(app_.settings);  // the options dialog may have changed it meanwhile
        auto placed = ConvertPage(run, page);
        if (!placed) {
            ++failed;
            windows().ShowMessage(PageFailureMessage(page, placed.error()), MessageIcon::exclamation, app_.identity.app_title, id_);
        }
    }

    if (failed == 0) {
        if (app_.settings.Read(kKeyMessage) != "OFF") {
            DiaEnd notice(app_);
            notice.ShowModal();
        }
        if (app_.settings.Read(kKeyEndOption) == "close") {
            Unload();
            return;
        }
    }
    SetCaption("Label2", kStatusFinished);
}

}  // namespace tess
