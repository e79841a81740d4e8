// File operations the conversion needs. Paths are UTF-8 text in the platform's own syntax.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/result.h"

namespace tess {

enum class RenameResult { ok, in_use, failed };
enum class CreateResult { ok, exists, failed };

// What a no-clobber copy did; when it failed, why, in the system's words.
struct CreateOutcome {
    CreateResult result = CreateResult::failed;
    std::string reason;
    bool operator==(CreateResult r) const { return result == r; }
};

// Whether a work folder's owner file is held by a living run.
enum class FolderOwner { alive, gone, none, unknown };

// A run's claim on its work folder, kept for as long as this lives.
class FolderHold {
public:
    virtual ~FolderHold() = default;
};

struct SubFolder {
    std::string path;      // ends in a separator
    long long idle_s = 0;  // since the folder or anything directly in it last changed
};

class Files {
public:
    virtual ~Files() = default;

    // Replaces `to` when it exists.
    virtual Status CopyReplace(const std::string& from, const std::string& to) = 0;
    // Never replaces anything: `exists` when `to` is taken by any kind of entry, even one
    // that appears between a check and the copy.
    virtual CreateOutcome CopyNoClobber(const std::string& from, const std::string& to) = 0;
    virtual Status Delete(const std::string& path) = 0;
    // Fails when `to` exists. `in_use` means another process holds the file (on Linux: a flock).
    virtual RenameResult Rename(const std::string& from, const std::string& to) = 0;
    // True for any file, hidden and read-only ones included; folders never count.
    virtual bool Exists(const std::string& path) = 0;
    // True for a plain visible file only (not hidden, not a system file, not a folder).
    virtual bool IsNormalFile(const std::string& path) = 0;
    // Raw lines without their line ends, read without keeping a writer out.
    virtual Result<std::vector<std::string>> ReadLines(const std::string& path) = 0;
    // Create or truncate.
    virtual Status WriteBytes(const std::string& path, const std::string& bytes) = 0;
    // Whether new files can be created in `folder` (which ends in a separator).
    virtual bool CanWriteIn(const std::string& folder) = 0;
    // Creates the folder and its parents when missing.
    virtual Status MakeFolders(const std::string& folder) = 0;
    // The one true path of an existing file: absolute, every link and ".." resolved the way the
    // system resolves them when opening it.
    virtual Result<std::string> ResolvedPath(const std::string& path) = 0;

    // Folders below (ending in a separator) end in one too.
    // Makes the folder's owner file and holds it: another run sees `alive` until the hold ends.
    virtual Result<std::unique_ptr<FolderHold>> HoldFolder(const std::string& folder) = 0;
    virtual FolderOwner OwnerOf(const std::string& folder) = 0;
    // The real folders directly in `parent` whose names start with `prefix`; links never count.
    virtual std::vector<SubFolder> SubFolders(const std::string& parent, const std::string& prefix) = 0;
    // Removes the folder and all in it; a link inside goes, never what it points to.
    virtual Status RemoveTree(const std::string& folder) = 0;
};

}  // namespace tess
