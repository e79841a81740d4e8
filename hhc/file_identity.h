// Which file a path names, whatever its spelling: through links, "..", upper and lower case
// where the file system ignores it, and short names on Windows.
#pragma once

#include <string>

namespace hhc {

// A key equal for two paths exactly when they name one file. A path that names no file yet
// is keyed by its folder's identity and its own name (case-folded where names ignore case);
// "" when not even the folder can be found.
std::string FileIdentity(const std::string& path);

}  // namespace hhc
