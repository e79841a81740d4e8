#include "platform/posix/settings_text.h"

#include "platform/text.h"

namespace tess {

namespace {

constexpr std::string_view kHeader =
    "; Tessaline settings. Escapes in names and values: \\\\ backslash, \\n line feed,\n"
    "; \\r carriage return, \\t tab, \\xHH any other byte (\\x20 for a blank at either end).\n";

enum class Part { section, key, value };

bool NeedsEscape(unsigned char c, Part part, std::size_t index, std::size_t size) {
    if (c == '\\' || c < 0x20 || c == 0x7F) return true;
    if (c == ' ' && (index == 0 || index + 1 == size)) return true;
    switch (part) {
        case Part::section: return c == '[' || c == ']';
        case Part::key: return c == '=' || (index == 0 && (c == '[' || c == ';' || c == '#'));
        case Part::value: return false;
    }
    return false;
}

std::string Escape(std::string_view raw, Part part) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        if (!NeedsEscape(c, part, i, raw.size())) {
            out += raw[i];
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = AsciiLower(c);
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0') return std::nullopt;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                if (i + 2 >= text.size()) return std::nullopt;
                const int high = HexDigit(text[i + 1]);
                const int low = HexDigit(text[i + 2]);
                if (high < 0 || low < 0) return std::nullopt;
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default: return std::nullopt;
        }
    }
    return out;
}

// Blanks we write are always escaped, so raw ones come from a hand edit ("Message = OFF").
std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

SettingsSection* FindSection(SettingsDocument& document, std::string_view name) {
    for (auto& section : document)
        if (EqualsIgnoringAsciiCase(section.name, name)) return &section;
    return nullptr;
}

}  // namespace

std::optional<SettingsDocument> ParseSettingsText(std::string_view text) {
    SettingsDocument document;
    SettingsSection* current = nullptr;
    // A file saved by an editor with CR LF line ends still reads.
    for (std::string_view line : SplitLines(text)) {
        line = TrimBlanks(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;

        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 2) return std::nullopt;
            auto name = Unescape(TrimBlanks(line.substr(1, line.size() - 2)));
            if (!name) return std::nullopt;
            current = FindSection(document, *name);
            if (!current) current = &document.emplace_back(SettingsSection{std::move(*name), {}});
            continue;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) return std::nullopt;
        auto key = Unescape(TrimBlanks(line.substr(0, equals)));
        auto value = Unescape(TrimBlanks(line.substr(equals + 1)));
        if (!key || !value) return std::nullopt;
        AssignSetting(document, current->name, *key, std::move(*value));
    }
    return document;
}

std::string FormatSettingsText(const SettingsDocument& document) {
    std::string text(kHeader);
    for (const auto& section : document) {
        text += "\n[" + Escape(section.name, Part::section) + "]\n";
        for (const auto& [key, value] : section.entries)
            text += Escape(key, Part::key) + "=" + Escape(value, Part::value) + "\n";
    }
    return text;
}

const std::string* FindSetting(const SettingsDocument& document, std::string_view section,
                               std::string_view key) {
    for (const auto& candidate : document) {
        if (!EqualsIgnoringAsciiCase(candidate.name, section)) continue;
        for (const auto& [name, value] : candidate.entries)
            if (EqualsIgnoringAsciiCase(name, key)) return &value;
    }
    return nullptr;
}

void AssignSetting(SettingsDocument& document, std::string_view section, std::string_view key,
                   std::string value) {
    SettingsSection* target = FindSection(document, section);
    if (!target) target = &document.emplace_back(SettingsSection{std::string(section), {}});
    for (auto& [name, old] : target->entries) {
        if (EqualsIgnoringAsciiCase(name, key)) {
            old = std::move(value);
            return;
        }
    }
    target->entries.emplace_back(std::string(key), std::move(value));
}

}  // namespace tess
