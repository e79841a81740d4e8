// The settings file's text: INI-like sections and key=value lines, with escapes so that any
// value survives byte for byte while the file stays readable.
//
//   [info]
//   EndOption=open
//   Note=two\nlines with a \\ and a trailing blank\x20
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tess {

struct SettingsSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
};

using SettingsDocument = std::vector<SettingsSection>;

// Nothing when the text is not a well-formed settings file.
std::optional<SettingsDocument> ParseSettingsText(std::string_view text);
std::string FormatSettingsText(const SettingsDocument& document);

// Sections and keys match without regard to ASCII case, as the registry's do.
const std::string* FindSetting(const SettingsDocument& document, std::string_view section,
                               std::string_view key);
void AssignSetting(SettingsDocument& document, std::string_view section, std::string_view key,
                   std::string value);

}  // namespace tess
