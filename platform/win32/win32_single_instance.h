// A named mutex per session: its first creator holds it until the process ends.
#pragma once

#include <string>

#include "platform/single_instance.h"
#include "platform/win32/unique_handle.h"

namespace tess::win32 {

inline constexpr const char* kInstanceMutexName = "Local\\Quillvane.Tessaline.Instance";

class Win32SingleInstance final : public SingleInstance {
public:
    explicit Win32SingleInstance(std::string name = kInstanceMutexName) : name_(std::move(name)) {}
    bool AnotherInstanceRunning() override;

private:
    std::string name_;
    UniqueHandle mutex_;
    bool asked_ = false;
    bool another_ = false;
};

}  // namespace tess::win32
