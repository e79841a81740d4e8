// A named mutex per session: its first creator holds it until the process ends.
#pragma once

#include <string>

#include "platform/program_names.h"
#include "platform/single_instance.h"
#include "platform/win32/unique_handle.h"

namespace tess::win32 {

// One claim per user session.
inline std::string InstanceMutexName(const ProgramNames& names) {
    return "Local\\" + names.app + "." + names.display + ".Instance";
}

class Win32SingleInstance final : public SingleInstance {
public:
    explicit Win32SingleInstance(std::string name) : name_(std::move(name)) {}
    bool AnotherInstanceRunning() override;

private:
    std::string name_;
    UniqueHandle mutex_;
    bool asked_ = false;
    bool another_ = false;
};

}  // namespace tess::win32
