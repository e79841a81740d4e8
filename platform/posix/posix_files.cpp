#include "platform/posix/posix_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/posix/atomic_replace.h"
#include "platform/posix/fd_io.h"
#include "platform/posix/stop_signals.h"
#include "platform/posix/unique_fd.h"
#include "platform/text.h"

namespace tess {

namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask

// Moves without ever replacing `to`. Falls back to link + unlink where the file system
// does not know RENAME_NOREPLACE.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        const int saved = errno;
        ::unlink(to.c_str());
        errno = saved;
        return false;
    }
    return true;
}

std::string LastComponent(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// With its trailing "/"; "" for a bare name.
std::string FolderPart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

Status PosixFiles::CopyReplace(const std::string& from, const std::string& to) {
    UniqueFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in) return Error{ErrnoMessage("Cannot read " + from)};
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) return Error{ErrnoMessage("Cannot read " + from)};
    if (S_ISDIR(info.st_mode)) return Error{"Cannot copy " + from + ": it is a folder"};
    return ReplaceAtomically(to, info.st_mode & 07777, [&](int out) -> Status {
        if (!CopyAll(in.get(), out)) return Error{ErrnoMessage("Cannot copy " + from + " to " + to)};
        return {};
    });
}

CreateOutcome PosixFiles::CopyNoClobber(const std::string& from, const std::string& to) {
    const auto failed = [](int error) { return CreateOutcome{CreateResult::failed, std::strerror(error)}; };
    UniqueFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in) return failed(errno);
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) return failed(errno);
    if (S_ISDIR(info.st_mode)) return failed(EISDIR);
    if (Exists(to)) return {CreateResult::exists, {}};

    // Copied under a temporary name beside the target and moved into place only when whole,
    // so the real name never shows a part of a file, even if we are stopped meanwhile.
    std::string temporary;
    UniqueFd out;
    int slot = -1;
    for (int attempt = 0; attempt < 100 && !out; ++attempt) {
        temporary = FolderPart(to) + ".tessaline-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
        stop_signals::Deferred deferred;
        out = UniqueFd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
        if (!out && errno != EEXIST) return failed(errno);
        if (out) slot = stop_signals::AddTemporary(temporary);
    }
    if (!out) return failed(EEXIST);
    // No fsync: the rename already keeps a part of a file from ever showing under the real name,
    // and a sync per page cost more than compiling it.
    const bool written = CopyAll(in.get(), out.get()) && out.Close();
    int error = written ? 0 : errno;
    CreateOutcome outcome{CreateResult::failed, {}};
    stop_signals::Deferred deferred;
    if (written) {
        // Refuses a target that appeared meanwhile, a dangling symlink included.
        if (RenameNoReplace(temporary, to)) outcome.result = CreateResult::ok;
        else if (errno == EEXIST) outcome.result = CreateResult::exists;
        else error = errno;
    }
    if (outcome.result != CreateResult::ok) {
        out.Reset();
        ::unlink(temporary.c_str());
    }
    if (outcome.result == CreateResult::failed) outcome.reason = std::strerror(error);
    stop_signals::RemoveTemporary(slot);
    return outcome;
}

Status PosixFiles::Delete(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return Error{ErrnoMessage("Cannot delete " + path)};
    return {};
}

RenameResult PosixFiles::Rename(const std::string& from, const std::string& to) {
    UniqueFd probe(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (probe) {
        if (::flock(probe.get(), LOCK_EX | LOCK_NB) != 0)
            return errno == EWOULDBLOCK ? RenameResult::in_use : RenameResult::failed;
        // The lock is held across the rename so no one can take the file in between.
    } else if (errno != EACCES) {
        return RenameResult::failed;
    }
    return RenameNoReplace(from, to) ? RenameResult::ok : RenameResult::failed;
}

bool PosixFiles::Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PosixFiles::IsNormalFile(const std::string& path) {
    const std::string name = LastComponent(path);
    if (name.empty() || name.front() == '.') return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Result<std::vector<std::string>> PosixFiles::ReadLines(const std::string& path) {
    // No lock is taken: a writer holding the file must never be kept waiting.
    UniqueFd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!in) return Error{ErrnoMessage("Cannot read " + path)};
    std::string bytes;
    if (!ReadAll(in.get(), bytes)) return Error{ErrnoMessage("Cannot read " + path)};

    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(bytes)) lines.emplace_back(line);
    return lines;
}

Status PosixFiles::WriteBytes(const std::string& path, const std::string& bytes) {
    UniqueFd out(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
    if (!out) return Error{ErrnoMessage("Cannot write " + path)};
    if (!WriteAll(out.get(), bytes) || !out.Close()) return Error{ErrnoMessage("Cannot write " + path)};
    return {};
}

bool PosixFiles::CanWriteIn(const std::string& folder) {
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '/') pattern += '/';
    pattern += ".tessaline-probe-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    UniqueFd probe(::mkostemp(name.data(), O_CLOEXEC));
    if (!probe) return false;
    probe.Reset();
    ::unlink(name.data());
    return true;
}

Result<std::string> PosixFiles::ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return Error{ErrnoMessage("Cannot find " + path)};
    std::string out(resolved);
    std::free(resolved);
    return out;
}

Status PosixFiles::MakeFolders(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Error{"Cannot create the folder " + folder + ": " + error.message()};
    return {};
}

}  // namespace tess
