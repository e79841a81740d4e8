#include "hhc/project.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "chm/writer.h"
#include "hhc/text_file.h"
#include "platform/text.h"

namespace hhc {
namespace {

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// "0x411 日本語" and "1041" both name Japanese; only the leading number counts.
unsigned ParseLanguage(std::string_view value) {
    std::string digits(value.substr(0, value.find(' ')));
    char* end = nullptr;
    unsigned long id = std::strtoul(digits.c_str(), &end, 0);
    if (end == digits.c_str() || id > 0xFFFF) return 0;
    return static_cast<unsigned>(id);
}

// A whole number from 1 on; anything else is not taken.
bool ParseThreads(std::string_view value, unsigned& threads) {
    std::string digits(Trim(value));
    char* end = nullptr;
    unsigned long n = std::strtoul(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0' || n == 0 || n > 1024 || !std::isdigit(static_cast<unsigned char>(digits[0])))
        return false;
    threads = static_cast<unsigned>(n);
    return true;
}

bool IsNo(std::string_view value) { return tess::AsciiLowered(Trim(value)) == "no"; }

// Keys that change nothing while they say "No"; anything else they ask for is not done.
constexpr std::string_view kHonouredWhenNo[] = {
    "create chi file", "display compile notes", "enhanced decompilation", "flat"};

// Takes one [OPTIONS] line; false when the compiler does not honour it.
bool TakeOption(const std::string& key, std::string_view value, Project& project) {
    if (key == "compiled file") project.compiled_file = value;
    else if (key == "error log file") project.log_file = value;
    else if (key == "default topic") project.default_topic = value;
    else if (key == "title") project.title = value;
    else if (key == "contents file") project.contents_file = value;
    else if (key == "index file") project.index_file = value;
    else if (key == "default window") project.default_window = Trim(value);
    else if (key == "default font") project.default_font = Trim(value);
    else if (key == "language") project.language = ParseLanguage(value);
    else if (key == "full-text search") project.full_text_search = !IsNo(value);
    else if (key == "binary toc") project.binary_toc = !IsNo(value);
    else if (key == "binary index") project.binary_index = !IsNo(value);
    else if (key == "auto index") project.auto_index = !IsNo(value);
    else if (key == "display compile progress") project.show_progress = !IsNo(value);
    else if (key == "threads") return ParseThreads(value, project.threads);
    // Every file this compiler writes reads in viewers of version 1.1 and later.
    else if (key == "compatibility") return tess::AsciiLowered(Trim(value)).starts_with("1.1");
    else return std::find(std::begin(kHonouredWhenNo), std::end(kHonouredWhenNo), key) != std::end(kHonouredWhenNo) &&
                IsNo(value);
    return true;
}

}  // namespace

namespace {

tess::Result<Project> ParseText(std::string_view bytes, Project* partial) {
    Project project;
    std::string section, section_as_written;
    bool any_section = false, section_noted = false;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        // A path may end in blanks, so only the line end goes; the rest is trimmed per use.
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (Trim(line).empty() || Trim(line).front() == ';') continue;
        if (Trim(line).front() == '[' && Trim(line).back() == ']') {
            line = Trim(line);
            section_as_written = Trim(line.substr(1, line.size() - 2));
            section = tess::AsciiLowered(section_as_written);
            any_section = true;
            section_noted = false;
            continue;
        }
        if (section == "files") {
            project.files.emplace_back(TrimLeft(line));
        } else if (section == "options") {
            size_t eq = line.find('=');
            if (eq == std::string_view::npos) continue;
            std::string key = tess::AsciiLowered(Trim(line.substr(0, eq)));
            std::string_view value = TrimLeft(line.substr(eq + 1));
            if (!TakeOption(key, value, project))
                project.ignored.push_back("option " + std::string(Trim(line.substr(0, eq))) + "=" + std::string(Trim(value)));
        } else if (section == "windows") {
            project.windows.emplace_back(Trim(line));
        } else if (section == "map") {
            project.map_lines.emplace_back(Trim(line));
        } else if (section == "alias") {
            project.alias_lines.emplace_back(Trim(line));
        } else if (section == "text popups") {
            project.text_popups.emplace_back(Trim(line));
        } else if (section == "merge files") {
            project.merge_files.emplace_back(Trim(line));
        } else if (!section.empty() && !section_noted) {
            // Information types and subsets are not compiled in.
            project.ignored.push_back("section [" + section_as_written + "]");
            section_noted = true;
        }
    }
    if (partial) *partial = project;
    if (!any_section) return tess::Error{"The project file is not a help project (it has no sections)."};
    if (project.default_topic.empty() && project.files.empty())
        return tess::Error{"The project names no page to compile."};
    if (project.default_topic.empty()) project.default_topic = project.files.front();
    if (partial) *partial = project;
    return project;
}

}  // namespace

tess::Result<Project> ParseProject(std::string_view bytes, Project* partial) {
    // The language decides the code page of a project in neither UTF-8 nor UTF-16; its line is
    // ASCII, so the bytes as they are tell it.
    Project first;
    (void)ParseText(bytes, &first);
    uint32_t code_page = first.language ? chm::CodePageOf(first.language) : 932;
    std::string text = TextFileAsUtf8(bytes, code_page);
    return ParseText(text, partial);
}

}  // namespace hhc
