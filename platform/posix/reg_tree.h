// Registry keys and values held in memory, addressed without regard to ASCII case.
// Full key paths start with the root's name: "HKEY_CURRENT_USER\Software\...".
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tess {

struct RegValue {
    std::uint32_t type = 0;
    // Types 1 and 2: UTF-8 text without a terminator. Every other type: the data's bytes.
    std::string data;
};

class RegTree {
public:
    void AddKey(std::string_view path);
    // Removes the key with every key below it.
    void DeleteKey(std::string_view path);
    void SetValue(std::string_view path, std::string_view name, RegValue value);
    void DeleteValue(std::string_view path, std::string_view name);

    // A key exists when it was added or when any key below it was (as parents do).
    bool HasKey(std::string_view path) const;
    const RegValue* FindValue(std::string_view path, std::string_view name) const;

    // "HKCU\x\" -> "hkey_current_user\x": the form keys are compared in.
    static std::string Normalized(std::string_view path);

private:
    std::map<std::string, std::map<std::string, RegValue>> keys_;
};

}  // namespace tess
