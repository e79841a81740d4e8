// Files on Linux. A file counts as "in use" while another process holds a flock on it.
#pragma once

#include "platform/files.h"

namespace tess {

class PosixFiles final : public Files {
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
};

}  // namespace tess
