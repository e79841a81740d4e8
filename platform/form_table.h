// A window described as data: the window system builds real windows from these tables.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tess {

enum class ControlKind { label, frame, check_box, text_box, button, picture_button, line, picture };
enum class BorderStyle { sizable, fixed_dialog };

// Twips: 1440 to the inch. For lines the rectangle holds x1, y1, x2, y2.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlSpec {
    std::string name;     // "Label2(1)" for a member of a control array
    ControlKind kind = ControlKind::label;
    std::string caption;  // "&&" shows as "&"; a single "&" marks the access key
    TwipsRect place;      // relative to the parent (the form's client area or a frame)
    int tab_index = -1;   // focus order; -1 when the control takes no focus
    std::string tooltip;
    std::string parent;   // name of the enclosing frame, or empty
    std::string picture;  // resource name of a picture, or empty
    bool checked = false;          // check boxes at design time
    bool auto_size = false;        // labels sized to their text
    bool visible = true;
    bool is_default = false;       // Enter presses it
    bool is_cancel = false;        // Escape presses it
    bool drop_target = false;      // frames: takes files dropped on it
    std::optional<std::uint32_t> fore_color;  // 0x00BBGGRR
    std::optional<std::uint32_t> back_color;
    std::string font_name;          // empty: the form's font
    double font_points = 0;         // 0: the form's size
    bool bold = false;
    int line_width_px = 1;
};

struct FormSpec {
    std::string name;
    std::string caption;
    BorderStyle border = BorderStyle::fixed_dialog;
    bool min_max_buttons = false;
    bool in_taskbar = false;
    bool has_icon = true;
    std::optional<std::uint32_t> back_color;
    int client_width = 0;   // twips
    int client_height = 0;  // twips
    // Top-left of the client area on the screen, in twips; empty: the window system's default.
    std::optional<std::pair<int, int>> client_origin;
    std::vector<ControlSpec> controls;

    const ControlSpec* Find(const std::string& control) const {
        for (const auto& c : controls)
            if (c.name == control) return &c;
        return nullptr;
    }
};

}  // namespace tess
