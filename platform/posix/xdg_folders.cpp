#include "platform/posix/xdg_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace tess {

namespace {

// Relative values are to be ignored, as the conventions say.
std::string AbsoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    std::string folder = value;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string HomeFolder() {
    if (std::string home = AbsoluteEnv("HOME"); !home.empty()) return home;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        return found->pw_dir;
    return "/tmp";
}

std::string ConfigHome() {
    std::string folder = AbsoluteEnv("XDG_CONFIG_HOME");
    return folder.empty() ? HomeFolder() + "/.config" : folder;
}

std::string CacheHome() {
    std::string folder = AbsoluteEnv("XDG_CACHE_HOME");
    return folder.empty() ? HomeFolder() + "/.cache" : folder;
}

std::string RuntimeFolder() { return AbsoluteEnv("XDG_RUNTIME_DIR"); }

}  // namespace tess
