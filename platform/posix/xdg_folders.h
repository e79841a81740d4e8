// The user's folders as the XDG base directory conventions name them (no trailing "/").
#pragma once

#include <string>

namespace tess {

std::string HomeFolder();
// $XDG_CONFIG_HOME, else ~/.config.
std::string ConfigHome();
// $XDG_CACHE_HOME, else ~/.cache.
std::string CacheHome();
// $XDG_RUNTIME_DIR, else "" (not every session has one).
std::string RuntimeFolder();

}  // namespace tess
