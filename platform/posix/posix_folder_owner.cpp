// Work folder owners on Linux: an owner file under a flock, which the kernel lets go when its
// run ends, however it ends.
#include <dirent.h>
#include <stdio.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>

#include "platform/posix/posix_files.h"
#include "platform/posix/unique_fd.h"
#include "platform/posix/fd_io.h"

namespace tess {

namespace {

constexpr const char* kOwnerFile = "owner.lock";
constexpr const char* kNewOwnerFile = "owner.lock.new";

class FlockHold final : public FolderHold {
public:
    explicit FlockHold(UniqueFd fd) : fd_(std::move(fd)) {}

private:
    UniqueFd fd_;
};

UniqueFd OpenFolder(int at, const char* name) {
    return UniqueFd(::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

bool IsDots(std::string_view name) { return name == "." || name == ".."; }

// Empties the open folder `folder`; entries are opened below it only, never through a link.
bool EmptyFolder(int folder) {
    DIR* listing = ::fdopendir(::dup(folder));
    if (!listing) return false;
    bool emptied = true;
    while (const dirent* entry = ::readdir(listing)) {
        if (IsDots(entry->d_name)) continue;
        if (::unlinkat(folder, entry->d_name, 0) == 0) continue;
        if (errno != EISDIR && errno != EPERM) {
            emptied = false;
            continue;
        }
        const UniqueFd inner = OpenFolder(folder, entry->d_name);
        if (!inner || !EmptyFolder(inner.get()) || ::unlinkat(folder, entry->d_name, AT_REMOVEDIR) != 0)
            emptied = false;
    }
    ::closedir(listing);
    return emptied;
}

// Never over another run's owner file.
bool NameOwnerFile(int folder) {
    if (::renameat2(folder, kNewOwnerFile, folder, kOwnerFile, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    return ::linkat(folder, kNewOwnerFile, folder, kOwnerFile, 0) == 0 && ::unlinkat(folder, kNewOwnerFile, 0) == 0;
}

std::string WithoutSeparator(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

}  // namespace

Result<std::unique_ptr<FolderHold>> PosixFiles::HoldFolder(const std::string& folder) {
    const UniqueFd at = OpenFolder(AT_FDCWD, folder.c_str());
    if (!at) return Error{ErrnoMessage("Cannot open " + folder)};
    UniqueFd owner(::openat(at.get(), kNewOwnerFile, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!owner) return Error{ErrnoMessage("Cannot create " + folder + kNewOwnerFile)};
    // Locked before it takes its name, so that no one ever sees the owner file unheld.
    if (::flock(owner.get(), LOCK_EX | LOCK_NB) != 0 || !NameOwnerFile(at.get())) {
        const std::string message = ErrnoMessage("Cannot hold " + folder + kOwnerFile);
        ::unlinkat(at.get(), kNewOwnerFile, 0);
        return Error{message};
    }
    return std::unique_ptr<FolderHold>(new FlockHold(std::move(owner)));
}

FolderOwner PosixFiles::OwnerOf(const std::string& folder) {
    const UniqueFd at = OpenFolder(AT_FDCWD, folder.c_str());
    if (!at) return FolderOwner::unknown;
    const UniqueFd owner(::openat(at.get(), kOwnerFile, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!owner) return errno == ENOENT ? FolderOwner::none : FolderOwner::unknown;
    if (::flock(owner.get(), LOCK_EX | LOCK_NB) == 0) return FolderOwner::gone;
    return errno == EWOULDBLOCK ? FolderOwner::alive : FolderOwner::unknown;
}

std::vector<SubFolder> PosixFiles::SubFolders(const std::string& parent, const std::string& prefix) {
    std::vector<SubFolder> found;
    const UniqueFd at = OpenFolder(AT_FDCWD, parent.c_str());
    if (!at) return found;
    DIR* listing = ::fdopendir(::dup(at.get()));
    if (!listing) return found;
    const std::string base = parent.empty() || parent.back() == '/' ? parent : parent + '/';
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (IsDots(name) || name.substr(0, prefix.size()) != prefix) continue;
        const UniqueFd folder = OpenFolder(at.get(), entry->d_name);
        struct stat info {};
        if (!folder || ::fstat(folder.get(), &info) != 0) continue;
        time_t newest = info.st_mtime;
        if (DIR* inner = ::fdopendir(::dup(folder.get()))) {
            while (const dirent* item = ::readdir(inner)) {
                struct stat item_info {};
                if (!IsDots(item->d_name) && ::fstatat(folder.get(), item->d_name, &item_info, AT_SYMLINK_NOFOLLOW) == 0)
                    newest = std::max(newest, item_info.st_mtime);
            }
            ::closedir(inner);
        }
        found.push_back({base + std::string(name) + '/', static_cast<long long>(now - newest)});
    }
    ::closedir(listing);
    return found;
}

Status PosixFiles::RemoveTree(const std::string& folder) {
    const std::string path = WithoutSeparator(folder);
    const UniqueFd at = OpenFolder(AT_FDCWD, path.c_str());
    if (!at) return Error{ErrnoMessage("Cannot remove " + folder)};
    if (!EmptyFolder(at.get())) return Error{"Cannot remove everything in " + folder};
    if (::rmdir(path.c_str()) != 0) return Error{ErrnoMessage("Cannot remove " + folder)};
    return {};
}

}  // namespace tess
