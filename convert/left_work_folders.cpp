#include "convert/left_work_folders.h"

namespace tess {

bool IsLeftBehind(FolderOwner owner, long long idle_s) {
    switch (owner) {
        case FolderOwner::gone: return true;
        case FolderOwner::none: return idle_s > kOwnerlessStaleS;
        case FolderOwner::alive:
        case FolderOwner::unknown: break;
    }
    return false;
}

std::vector<std::string> RemoveLeftWorkFolders(Files& files, const std::string& parent, const std::string& own) {
    std::vector<std::string> removed;
    for (const SubFolder& folder : files.SubFolders(parent, kRunFolderPrefix)) {
        if (folder.path == own || !IsLeftBehind(files.OwnerOf(folder.path), folder.idle_s)) continue;
        if (files.RemoveTree(folder.path)) removed.push_back(folder.path);
    }
    return removed;
}

}  // namespace tess
