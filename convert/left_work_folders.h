// Work folders of earlier runs that ended without removing theirs (killed outright, or the
// machine went down), found and removed by a later run.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

namespace tess {

constexpr const char* kRunFolderPrefix = "convert-";

// A folder without an owner file was made by an older version, which may still be running:
// it goes only after this long with nothing in it changed.
constexpr long long kOwnerlessStaleS = 24 * 60 * 60;

bool IsLeftBehind(FolderOwner owner, long long idle_s);

// Removes the run folders in `parent` (which ends in a separator) that no living run owns,
// `own` (ending in one too) aside. Returns those removed; one that cannot be removed now is
// left for a later run.
std::vector<std::string> RemoveLeftWorkFolders(Files& files, const std::string& parent, const std::string& own);

}  // namespace tess
