// Common ground of the program's windows: a table, a window built from it, its lifecycle, and the
// handlers its controls' events go to.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/form_table.h"
#include "windows/app.h"

namespace tess {

class Form : public FormEvents {
public:
    Form(App& app, FormSpec table) : app_(app), table_(std::move(table)) {}
    ~Form() override { Unload(); }
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowId id() const { return id_; }
    bool loaded() const { return id_ != kNoWindow; }
    const FormSpec& table() const { return table_; }

    // Builds the window from the table and runs Form_Load, unless it is loaded already. A form may
    // unload itself in Form_Load; it then stays unloaded.
    void Load();
    // Loads the form and shows it; ShowModal returns once the window has been unloaded.
    void ShowModal();
    void ShowModeless();
    // Destroys the window, if any; a modal ShowModal on it returns.
    void Unload();

    // Route to the handlers named with OnClick / OnDrop; other controls' events do nothing.
    void Click(const std::string& control) override;
    void Drop(const std::string& control, const std::vector<std::string>& paths) override;
    void Closed() override { id_ = kNoWindow; }

protected:
    // What the form does when it is loaded, with its window built but not yet shown.
    virtual void Form_Load() {}

    void OnClick(const std::string& control, std::function<void()> handler) {
        clicks_[control] = std::move(handler);
    }
    void OnDrop(const std::string& control, std::function<void(const std::vector<std::string>&)> handler) {
        drops_[control] = std::move(handler);
    }

    WindowSystem& windows() { return app_.windows(); }
    std::string Caption(const std::string& control) { return windows().Caption(id_, control); }
    void SetCaption(const std::string& control, const std::string& text) { windows().SetCaption(id_, control, text); }
    bool Checked(const std::string& control) { return windows().Checked(id_, control); }
    void SetChecked(const std::string& control, bool on) { windows().SetChecked(id_, control, on); }

    App& app_;
    FormSpec table_;
    WindowId id_ = kNoWindow;

private:
    std::map<std::string, std::function<void()>> clicks_;
    std::map<std::string, std::function<void(const std::vector<std::string>&)>> drops_;
};

}  // namespace tess
