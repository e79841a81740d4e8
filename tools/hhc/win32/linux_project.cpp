#include "tools/hhc/win32/linux_project.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_text_codec.h"

namespace hhc::win32 {
namespace {

using tess::win32::Widen;

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string_view> Lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::wstring Resolve(const std::wstring& folder, const std::wstring& path) {
    bool absolute = (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
                    (path.size() >= 2 && (path[0] == L'\\' || path[0] == L'/'));
    return absolute ? path : folder + L"\\" + path;
}

// One line of the project, seen as a section header, a key and value, or a [Files] entry.
struct Line {
    std::string section;  // lower case, of the section the line is in
    std::string key;      // lower case; empty for a header, a [Files] entry or a blank line
    std::string_view key_text;
    std::string_view value;
    bool file_entry = false;
};

template <class Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
    std::string section;
    for (std::string_view raw : Lines(bytes)) {
        Line line;
        std::string_view t = Trim(raw);
        if (!t.empty() && t.front() == '[' && t.back() == ']') {
            section = Lower(Trim(t.substr(1, t.size() - 2)));
        } else if (!t.empty() && t.front() != ';' && section == "files") {
            line.file_entry = true;
            line.value = t;
        } else if (!t.empty() && t.front() != ';' && section == "options" && raw.find('=') != std::string_view::npos) {
            size_t eq = raw.find('=');
            line.key_text = raw.substr(0, eq);
            line.key = Lower(Trim(line.key_text));
            line.value = Trim(raw.substr(eq + 1));
        }
        line.section = section;
        visit(raw, line);
    }
}

bool NamesInputFile(const std::string& key) {
    return key == "default topic" || key == "contents file" || key == "index file";
}

}  // namespace

ProjectOutputs FindOutputs(std::string_view bytes, const std::wstring& project_folder) {
    tess::win32::Win32TextCodec codec;
    ProjectOutputs out;
    ForEachLine(bytes, [&](std::string_view, const Line& line) {
        if (line.value.empty()) return;
        std::wstring value = Resolve(project_folder, Widen(codec.FromAnsi(line.value)));
        if (line.key == "compiled file") out.compiled_file = value;
        if (line.key == "error log file") out.log_file = value;
    });
    return out;
}

tess::Result<std::string> LinuxProjectText(std::string_view bytes, const std::wstring& project_folder,
                                           const LinuxOutputs& outputs, const UnixPathFn& unix_of) {
    tess::win32::Win32TextCodec codec;
    std::string text;
    std::string failure;
    // The Linux compiler reads code page 932: a Linux path must have a form there.
    auto ansi = [&](const std::string& utf8) -> std::string {
        auto converted = codec.ToAnsi(utf8);
        if (!converted && failure.empty()) failure = "The Linux path " + utf8 + " has no code page 932 form.";
        return converted ? *converted : std::string();
    };
    auto linux_path = [&](std::string_view value) -> std::string {
        auto path = unix_of(Resolve(project_folder, Widen(codec.FromAnsi(value))));
        if (!path && failure.empty()) failure = path.error().message;
        return path ? ansi(*path) : std::string();
    };
    ForEachLine(bytes, [&](std::string_view raw, const Line& line) {
        std::string out(raw);
        if (line.file_entry) out = linux_path(line.value);
        else if (line.key == "compiled file") out = std::string(line.key_text) + "=" + ansi(outputs.compiled_file);
        else if (line.key == "error log file") out = std::string(line.key_text) + "=" + ansi(outputs.log_file);
        else if (NamesInputFile(line.key) && !line.value.empty())
            out = std::string(line.key_text) + "=" + linux_path(line.value);
        text += out + "\r\n";
    });
    if (!failure.empty()) return tess::Error{failure};
    return text;
}

}  // namespace hhc::win32
