// Files through the Win32 file API (wide paths).
#pragma once

#include "platform/files.h"

namespace tess::win32 {

class Win32Files final : public Files {
public:
    Status CopyReplace(const std::string& from, const std::string& to) override;
    CreateOutcome CopyNoClobber(const std::string& from, const std::string& to) override;
    Status Delete(const std::string& path) override;
    RenameResult Rename(const std::string& from, const std::string& to) override;
    bool Exists(const std::string& path) override;
    bool IsNormalFile(const std::string& path) override;
    Result<std::vector<std::string>> ReadLines(const std::string& path) override;
    Status WriteBytes(const std::string& path, const std::string& bytes) override;
    bool CanWriteIn(const std::string& folder) override;
    Status MakeFolders(const std::string& folder) override;
    Result<std::string> ResolvedPath(const std::string& path) override;
    // An owner file under a byte-range lock.
    Result<std::unique_ptr<FolderHold>> HoldFolder(const std::string& folder) override;
    FolderOwner OwnerOf(const std::string& folder) override;
    std::vector<SubFolder> SubFolders(const std::string& parent, const std::string& prefix) override;
    Status RemoveTree(const std::string& folder) override;
};

}  // namespace tess::win32
