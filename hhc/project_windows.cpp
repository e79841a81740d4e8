#include "hhc/project_windows.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace hhc {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

struct Field {
    std::string text;
    bool quoted = false;
};

// Splits at commas outside quotes and brackets; quotes are taken off.
tess::Result<std::vector<Field>> Split(std::string_view fields) {
    std::vector<Field> out(1);
    bool in_quotes = false;
    int brackets = 0;
    for (char c : fields) {
        if (in_quotes) {
            if (c == '"') in_quotes = false;
            else out.back().text.push_back(c);
        } else if (c == '"') {
            in_quotes = true;
            out.back().quoted = true;
        } else if (c == '[') {
            ++brackets;
            out.back().text.push_back(c);
        } else if (c == ']') {
            if (--brackets < 0) return tess::Error{"a \"]\" closes no \"[\""};
            out.back().text.push_back(c);
        } else if (c == ',' && brackets == 0) {
            out.emplace_back();
        } else if (c != ' ' && c != '\t') {
            out.back().text.push_back(c);
        }
    }
    if (in_quotes) return tess::Error{"a quoted text is not closed"};
    if (brackets) return tess::Error{"a \"[\" is not closed"};
    return out;
}

// "0x23520" or "250"; an empty field keeps what the window had.
tess::Status Number(const Field& f, const char* what, uint32_t& into) {
    if (f.text.empty()) return {};
    char* end = nullptr;
    unsigned long long value = std::strtoull(f.text.c_str(), &end, 0);
    if (end != f.text.c_str() + f.text.size() || f.text.front() == '-' || value > 0xFFFFFFFFull)
        return tess::Error{std::string("the ") + what + " \"" + f.text + "\" is not a number"};
    into = static_cast<uint32_t>(value);
    return {};
}

tess::Status Rectangle(const Field& f, chm::Window& w) {
    if (f.text.empty()) return {};
    if (f.text.size() < 2 || f.text.front() != '[' || f.text.back() != ']')
        return tess::Error{"the position \"" + f.text + "\" is not [left,top,right,bottom]"};
    std::vector<int32_t> values;
    std::string_view inner = std::string_view(f.text).substr(1, f.text.size() - 2);
    while (true) {
        size_t comma = inner.find(',');
        std::string part(inner.substr(0, comma));
        char* end = nullptr;
        long v = std::strtol(part.c_str(), &end, 0);
        if (part.empty() || end != part.c_str() + part.size() || v < -0x7FFFFFFFL || v > 0x7FFFFFFFL)
            return tess::Error{"the position \"" + f.text + "\" is not [left,top,right,bottom]"};
        values.push_back(static_cast<int32_t>(v));
        if (comma == std::string_view::npos) break;
        inner.remove_prefix(comma + 1);
    }
    if (values.size() != 4) return tess::Error{"the position \"" + f.text + "\" is not [left,top,right,bottom]"};
    w.left = values[0];
    w.top = values[1];
    w.right = values[2];
    w.bottom = values[3];
    return {};
}

}  // namespace

tess::Result<chm::Window> ParseWindowLine(std::string_view line) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return tess::Error{"it has no \"=\" after the window's name"};
    chm::Window w;
    w.name = Trim(line.substr(0, eq));
    if (w.name.empty()) return tess::Error{"the window has no name"};
    auto split = Split(line.substr(eq + 1));
    if (!split) return split.error();
    std::vector<Field> f = std::move(*split);
    if (f.size() > 20) return tess::Error{"it has more than 20 fields"};
    f.resize(20);
    std::string* texts[] = {&w.caption,   &w.contents_file, &w.index_file, &w.default_topic, &w.home_topic,
                            &w.jump1_url, &w.jump1_text,    &w.jump2_url,  &w.jump2_text};
    for (size_t i = 0; i < std::size(texts); ++i) *texts[i] = f[i].text;
    for (size_t i = std::size(texts); i < f.size(); ++i)
        if (f[i].quoted) return tess::Error{"field " + std::to_string(i + 1) + " is a number, not a quoted text"};
    uint32_t closed = 0, tab = 0, position = 0;
    struct NumberField {
        size_t index;
        const char* what;
        uint32_t* into;
    } numbers[] = {{9, "navigation style", &w.properties}, {10, "navigation width", &w.navigation_width},
                   {11, "buttons", &w.buttons},            {13, "window style", &w.styles},
                   {14, "extended style", &w.extended_styles}, {15, "show state", &w.show_state},
                   {16, "navigation pane setting", &closed},   {17, "default tab", &tab},
                   {18, "tab position", &position},        {19, "notification id", &w.notify_id}};
    for (const auto& n : numbers) {
        auto ok = Number(f[n.index], n.what, *n.into);
        if (!ok) return ok.error();
    }
    auto ok = Rectangle(f[12], w);
    if (!ok) return ok.error();
    w.navigation_closed = closed != 0;
    if (!f[17].text.empty()) w.default_tab = tab;
    if (!f[18].text.empty()) w.tab_position = position;
    return w;
}

}  // namespace hhc
