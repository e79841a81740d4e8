// Work folder owners on Windows: an owner file under a byte-range lock, which the system lets
// go when its run ends, however it ends. Shared for delete, so that a run's own stop can
// still remove its folder.
#include <windows.h>

#include <algorithm>
#include <string_view>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"

namespace tess::win32 {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr const wchar_t* kOwnerFile = L"owner.lock";
constexpr const wchar_t* kNewOwnerFile = L"owner.lock.new";

class LockHold final : public FolderHold {
public:
    explicit LockHold(UniqueHandle file) : file_(std::move(file)) {}

private:
    UniqueHandle file_;
};

std::wstring WithSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    return folder;
}

bool LockNow(HANDLE file) {
    OVERLAPPED at{};
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

long long Ticks(const FILETIME& time) {
    return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool IsDots(const wchar_t* name) { return std::wstring_view(name) == L"." || std::wstring_view(name) == L".."; }

// A link or junction inside is removed itself, never entered.
bool RemoveAll(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    bool removed = true;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (IsDots(found.cFileName)) continue;
            const std::wstring path = folder + found.cFileName;
            const DWORD a = found.dwFileAttributes;
            if (a & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
            bool gone = false;
            if (!(a & FILE_ATTRIBUTE_DIRECTORY)) gone = DeleteFileW(path.c_str()) != 0;
            else if (a & FILE_ATTRIBUTE_REPARSE_POINT) gone = RemoveDirectoryW(path.c_str()) != 0;
            else gone = RemoveAll(path + L"\\");
            removed = removed && gone;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    std::wstring self = folder;
    self.pop_back();
    return RemoveDirectoryW(self.c_str()) != 0 && removed;
}

}  // namespace

Result<std::unique_ptr<FolderHold>> Win32Files::HoldFolder(const std::string& folder) {
    const std::wstring base = WithSeparator(Widen(folder));
    const std::wstring fresh = base + kNewOwnerFile;
    UniqueHandle file(CreateFileW(fresh.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError("Cannot create " + folder + "owner.lock.new");
    // Locked before it takes its name, so that no one ever sees the owner file unheld.
    if (!LockNow(file.get()) || !MoveFileExW(fresh.c_str(), (base + kOwnerFile).c_str(), 0)) {
        Error error = LastError("Cannot hold " + folder + "owner.lock");
        file.Reset();
        DeleteFileW(fresh.c_str());
        return error;
    }
    return std::unique_ptr<FolderHold>(new LockHold(std::move(file)));
}

FolderOwner Win32Files::OwnerOf(const std::string& folder) {
    const std::wstring owner = WithSeparator(Widen(folder)) + kOwnerFile;
    UniqueHandle file(CreateFileW(owner.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? FolderOwner::none
                                            : code == ERROR_SHARING_VIOLATION ? FolderOwner::alive : FolderOwner::unknown;
    }
    if (LockNow(file.get())) return FolderOwner::gone;
    return GetLastError() == ERROR_LOCK_VIOLATION ? FolderOwner::alive : FolderOwner::unknown;
}

std::vector<SubFolder> Win32Files::SubFolders(const std::string& parent, const std::string& prefix) {
    std::vector<SubFolder> folders;
    const std::wstring base = WithSeparator(Widen(parent));
    FILETIME now_time{};
    GetSystemTimeAsFileTime(&now_time);
    const long long now = Ticks(now_time);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((base + Widen(prefix) + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return folders;
    do {
        const DWORD a = found.dwFileAttributes;
        if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & FILE_ATTRIBUTE_REPARSE_POINT) || IsDots(found.cFileName)) continue;
        const std::wstring folder = base + found.cFileName + L"\\";
        long long newest = Ticks(found.ftLastWriteTime);
        WIN32_FIND_DATAW item{};
        HANDLE inner = FindFirstFileW((folder + L"*").c_str(), &item);
        if (inner != INVALID_HANDLE_VALUE) {
            do {
                if (!IsDots(item.cFileName)) newest = std::max(newest, Ticks(item.ftLastWriteTime));
            } while (FindNextFileW(inner, &item));
            FindClose(inner);
        }
        folders.push_back({Narrow(folder), (now - newest) / 10000000});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return folders;
}

Status Win32Files::RemoveTree(const std::string& folder) {
    const std::wstring path = WithSeparator(Widen(folder));
    const DWORD a = GetFileAttributesW(path.substr(0, path.size() - 1).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return LastError("Cannot remove " + folder);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY) || (a & FILE_ATTRIBUTE_REPARSE_POINT))
        return Error{"Cannot remove " + folder + ": not a folder of its own"};
    if (!RemoveAll(path)) return LastError("Cannot remove " + folder);
    return {};
}

}  // namespace tess::win32
