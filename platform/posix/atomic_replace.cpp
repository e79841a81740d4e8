#include "platform/posix/atomic_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/posix/fd_io.h"
#include "platform/posix/unique_fd.h"

namespace tess {

namespace {

// Makes the rename itself durable; a failure here is not worth failing the write for.
void SyncFolder(const std::string& folder) {
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());
}

}  // namespace

Status ReplaceAtomically(const std::string& path, mode_t mode,
                         const std::function<Status(int fd)>& fill) {
    std::string temp_name = path + ".tmp-XXXXXX";
    std::vector<char> pattern(temp_name.begin(), temp_name.end());
    pattern.push_back('\0');
    UniqueFd out(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!out) return Error{ErrnoMessage("Cannot create a file in " + FolderOf(path))};
    temp_name.assign(pattern.data());

    auto fail = [&](std::string message) {
        out.Reset();
        ::unlink(temp_name.c_str());
        return Status(Error{std::move(message)});
    };

    if (Status filled = fill(out.get()); !filled) return fail(filled.error().message);
    if (::fchmod(out.get(), mode) != 0) return fail(ErrnoMessage("Cannot set the mode of " + path));
    if (::fsync(out.get()) != 0) return fail(ErrnoMessage("Cannot write " + path));
    if (!out.Close()) return fail(ErrnoMessage("Cannot write " + path));
    if (::rename(temp_name.c_str(), path.c_str()) != 0)
        return fail(ErrnoMessage("Cannot replace " + path));
    SyncFolder(FolderOf(path));
    return {};
}

}  // namespace tess
