#include "windows/form.h"

namespace tess {

void Form::Load() {
    if (loaded()) return;
    id_ = windows().Create(table_, *this);
    Form_Load();
}

void Form::ShowModal() {
    Load();
    if (loaded()) windows().ShowModal(id_);
}

void Form::ShowModeless() {
    Load();
    if (loaded()) windows().ShowModeless(id_);
}

void Form::Unload() {
    if (id_ == kNoWindow) return;
    const WindowId id = id_;
    id_ = kNoWindow;
    windows().Unload(id);
}

void Form::Click(const std::string& control) {
    if (auto handler = clicks_.find(control); handler != clicks_.end()) handler->second();
}

void Form::Drop(const std::string& control, const std::vector<std::string>& paths) {
    if (auto handler = drops_.find(control); handler != drops_.end()) handler->second(paths);
}

}  // namespace tess
