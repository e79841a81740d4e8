// Who the program is: its titles and version.
#pragma once

namespace tess {

// Window captions and the About box.
inline constexpr const char* kDisplayTitle = "Tessaline";
// Settings address and the caption of message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Quillvane";

struct Version {
    int major = 1;
    int minor = 1;
    int revision = 0;
};

inline constexpr Version kVersion{1, 1, 0};

}  // namespace tess
