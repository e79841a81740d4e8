#include "platform/posix/reg_tree.h"

#include "platform/text.h"

namespace tess {

namespace {

struct RootAlias {
    std::string_view short_name;
    std::string_view full_name;
};

constexpr RootAlias kRootAliases[] = {
    {"hkcu", "hkey_current_user"},
    {"hklm", "hkey_local_machine"},
    {"hkcr", "hkey_classes_root"},
    {"hku", "hkey_users"},
};

}  // namespace

std::string RegTree::Normalized(std::string_view path) {
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    std::string lowered = AsciiLowered(path);
    const auto slash = lowered.find('\\');
    const std::string_view root = std::string_view(lowered).substr(0, slash);
    for (const auto& alias : kRootAliases)
        if (root == alias.short_name) return std::string(alias.full_name) + lowered.substr(root.size());
    return lowered;
}

void RegTree::AddKey(std::string_view path) { keys_[Normalized(path)]; }

void RegTree::DeleteKey(std::string_view path) {
    const std::string key = Normalized(path);
    const std::string below = key + "\\";
    keys_.erase(key);
    auto it = keys_.lower_bound(below);
    while (it != keys_.end() && it->first.compare(0, below.size(), below) == 0) it = keys_.erase(it);
}

void RegTree::SetValue(std::string_view path, std::string_view name, RegValue value) {
    keys_[Normalized(path)][AsciiLowered(name)] = std::move(value);
}

void RegTree::DeleteValue(std::string_view path, std::string_view name) {
    const auto key = keys_.find(Normalized(path));
    if (key != keys_.end()) key->second.erase(AsciiLowered(name));
}

bool RegTree::HasKey(std::string_view path) const {
    const std::string key = Normalized(path);
    if (keys_.count(key) != 0) return true;
    const std::string below = key + "\\";
    const auto it = keys_.lower_bound(below);
    return it != keys_.end() && it->first.compare(0, below.size(), below) == 0;
}

const RegValue* RegTree::FindValue(std::string_view path, std::string_view name) const {
    const auto key = keys_.find(Normalized(path));
    if (key == keys_.end()) return nullptr;
    const auto value = key->second.find(AsciiLowered(name));
    return value == key->second.end() ? nullptr : &value->second;
}

}  // namespace tess
