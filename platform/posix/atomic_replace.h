// Replacing a file so that readers see either the old or the whole new content, never a part.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

#include "platform/posix/path_text.h"
#include "platform/result.h"

namespace tess {

// Fills a temporary file beside `path` through `fill` (given the open descriptor), flushes it
// to disk, gives it `mode` and renames it over `path`. On any failure the temporary file is
// removed and `path` keeps its old content.
Status ReplaceAtomically(const std::string& path, mode_t mode,
                         const std::function<Status(int fd)>& fill);

}  // namespace tess
