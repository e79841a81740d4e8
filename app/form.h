// Common ground of the program's windows: a table, a window built from it, and its controls.
#pragma once

#include <string>

#include "app/app.h"
#include "platform/form_table.h"

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

    void Closed() override { id_ = kNoWindow; }

protected:
    void Create() { id_ = app_.windows().Create(table_, *this); }
    void Unload() {
        if (id_ == kNoWindow) return;
        const WindowId id = id_;
        id_ = kNoWindow;
        app_.windows().Unload(id);
    }

    WindowSystem& windows() { return app_.windows(); }
    std::string Caption(const std::string& control) { return windows().Caption(id_, control); }
    void SetCaption(const std::string& control, const std::string& text) { windows().SetCaption(id_, control, text); }
    bool Checked(const std::string& control) { return windows().Checked(id_, control); }
    void SetChecked(const std::string& control, bool on) { windows().SetChecked(id_, control, on); }

    App& app_;
    FormSpec table_;
    WindowId id_ = kNoWindow;
};

}  // namespace tess
