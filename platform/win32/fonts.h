// The fonts a form's controls are drawn in.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/gdi_objects.h"

namespace tess::win32 {

// The form's font when a control names none: the system's Japanese user-interface font.
inline constexpr const char* kFormFont = "MS UI Gothic";
inline constexpr double kFormPoints = 9;
// Captions shrink to fit their boxes, but never below this.
inline constexpr double kSmallestPoints = 6;

// One font per face, size and weight, alive as long as the form that uses it.
class FontCache {
public:
    HFONT Get(const std::string& face, double points, bool bold);
    void Clear() { fonts_.clear(); }

private:
    std::map<std::string, UniqueFont> fonts_;
};

}  // namespace tess::win32
