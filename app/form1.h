// The main window: three picture buttons, the status label and the drop frame.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "windows/form.h"

namespace tess {

FormSpec Form1Spec();

// "Tessaline  Ver 1. 1" for version 1.1: each number with the blank a sign would take.
std::string MainWindowCaption(const std::string& title, const Version& version);

// What the user is told of a drop that held things other than files; `items` names them.
std::string NotFilesMessage(const std::vector<std::string>& items);

inline constexpr const char* kStatusConverting = "変換中";
inline constexpr const char* kStatusFinished = "変換終了";

class Form1 final : public Form {
public:
    explicit Form1(App& app);

    // A run holds the window until it ends.
    void Click(const std::string& control) override;
    void DropRefused(const std::string& control, const std::vector<std::string>& items) override;
    void Resize() override;
    // A close asked for during a run is carried out once the run is over.
    bool AllowClose() override;

    void Form_Load() override;
    void Form_Resize();
    void coClose_Click();
    void coHelp_Click();
    void coOption_Click();
    void Frame1_OLEDragDrop(const std::vector<std::string>& paths);

    const std::string& ProgramFolder() const { return program_folder_; }
    int RegionsSet() const { return regions_set_; }

private:
    // The run itself; the caller guards against a second one starting inside it.
    void ConvertDroppedFiles(const std::vector<std::string>& paths);

    std::string program_folder_;
    int regions_set_ = 0;
    bool busy_ = false;
    bool close_requested_ = false;
};

}  // namespace tess
