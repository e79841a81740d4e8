#include "tests/fakes/fake_window_system.h"

#include <stdexcept>

namespace tess::testing {

WindowId FakeWindowSystem::Find(const std::string& form) const {
    WindowId found = kNoWindow;
    for (const auto& [id, w] : windows_)
        if (w.loaded && w.table.name == form) found = id;
    return found;
}

void FakeWindowSystem::Require(WindowId id, const std::string& control) const {
    const FakeWindow& w = windows_.at(id);
    if (!w.loaded) throw std::logic_error("window " + w.table.name + " is unloaded");
    if (!w.table.Find(control)) throw std::logic_error(w.table.name + " has no control " + control);
}

void FakeWindowSystem::RequireDropTarget(WindowId id, const std::string& control) const {
    Require(id, control);
    const FakeWindow& w = windows_.at(id);
    if (!w.table.Find(control)->drop_target) throw std::logic_error(w.table.name + "." + control + " takes no drops");
}

void FakeWindowSystem::UserClick(WindowId id, const std::string& control) {
    Require(id, control);
    FakeWindow& w = Window(id);
    if (w.disabled[control]) return;
    if (w.table.Find(control)->kind == ControlKind::check_box) w.checked[control] = !w.checked[control];
    w.events->Click(control);
}

void FakeWindowSystem::UserDrop(WindowId id, const std::string& control, const std::vector<std::string>& paths) {
    RequireDropTarget(id, control);
    Window(id).events->Drop(control, paths);
}

void FakeWindowSystem::UserDropNotFiles(WindowId id, const std::string& control,
                                        const std::vector<std::string>& items) {
    RequireDropTarget(id, control);
    Window(id).events->DropRefused(control, items);
}

void FakeWindowSystem::UserClose(WindowId id) {
    FakeWindow& w = Window(id);
    if (!w.loaded || !w.events->AllowClose()) return;
    w.loaded = false;
    w.visible = false;
    w.events->Closed();
}

WindowId FakeWindowSystem::Create(const FormSpec& form, FormEvents& events) {
    FakeWindow w;
    w.table = form;
    w.events = &events;
    w.caption = form.caption;
    for (const auto& c : form.controls) {
        w.captions[c.name] = c.caption;
        w.checked[c.name] = c.checked;
    }
    const WindowId id = next_++;
    windows_[id] = std::move(w);
    return id;
}

void FakeWindowSystem::ShowModal(WindowId window) {
    if (!Loaded(window)) return;
    FakeWindow& w = Window(window);
    w.visible = true;
    w.modal = true;
    shown.push_back(w.table.name);
    if (auto it = on_modal.find(w.table.name); it != on_modal.end()) it->second(window);
    // A real modal loop would wait here; a script that left the window open has nothing more to do.
    Window(window).visible = false;
}

void FakeWindowSystem::ShowModeless(WindowId window) {
    if (!Loaded(window)) return;
    FakeWindow& w = Window(window);
    w.visible = true;
    shown.push_back(w.table.name);
}

void FakeWindowSystem::Unload(WindowId window) {
    FakeWindow& w = Window(window);
    w.loaded = false;
    w.visible = false;
}

std::string FakeWindowSystem::Caption(WindowId window, const std::string& control) {
    if (!Loaded(window)) return {};
    Require(window, control);
    return Window(window).captions[control];
}

void FakeWindowSystem::SetCaption(WindowId window, const std::string& control, const std::string& text) {
    if (!Loaded(window)) return;
    Require(window, control);
    Window(window).captions[control] = text;
}

bool FakeWindowSystem::Checked(WindowId window, const std::string& control) {
    if (!Loaded(window)) return false;
    Require(window, control);
    return Window(window).checked[control];
}

void FakeWindowSystem::SetChecked(WindowId window, const std::string& control, bool checked) {
    if (!Loaded(window)) return;
    Require(window, control);
    Window(window).checked[control] = checked;
}

void FakeWindowSystem::SetEnabled(WindowId window, const std::string& control, bool enabled) {
    if (!Loaded(window)) return;
    Require(window, control);
    Window(window).disabled[control] = !enabled;
}

OuterSize FakeWindowSystem::WindowOuterSize(WindowId window) {
    const FakeWindow& w = Window(window);
    return {double(w.table.client_width + frame_width_twips), double(w.table.client_height + frame_height_twips)};
}

void FakeWindowSystem::Move(WindowId window, int left, int top) {
    Window(window).left = left;
    Window(window).top = top;
}

void FakeWindowSystem::ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption,
                                   WindowId owner) {
    messages.push_back({text, icon, caption, owner});
    if (on_message) on_message(messages.back());
}

void FakeWindowSystem::Quit() {
    quit = true;
    for (auto& [id, w] : windows_) {
        w.loaded = false;
        w.visible = false;
    }
}

}  // namespace tess::testing
