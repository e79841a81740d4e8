#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/text.h"

namespace tess::win32 {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

bool AnythingAt(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsFolderAttributes(DWORD a) { return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY); }

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Access denied on a rename also comes from a file held open without delete sharing; asking
// for delete access alone tells that case apart from a protected file or folder.
bool HeldOpenByOthers(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return false;
    }
    DWORD e = GetLastError();
    return e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION;
}

Status WriteAll(HANDLE h, const std::string& bytes, const std::string& path) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return LastError("Cannot write " + path);
        done += written;
    }
    return {};
}

}  // namespace

Status Win32Files::CopyReplace(const std::string& from, const std::string& to) {
    if (!CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE))
        return LastError("Cannot copy " + from + " to " + to);
    return {};
}

CreateOutcome Win32Files::CopyNoClobber(const std::string& from, const std::string& to) {
    const auto failed = [](DWORD error) { return CreateOutcome{CreateResult::failed, SystemMessage(error)}; };
    if (AnythingAt(to)) return {CreateResult::exists, {}};
    // Copied under a temporary name beside the target and moved into place only when whole,
    // so the real name never shows a part of a file; the move itself refuses an existing target.
    const std::wstring target = Widen(to);
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    std::wstring temporary;
    bool copied = false;
    for (int attempt = 0; attempt < 100 && !copied; ++attempt) {
        temporary = folder + L".tessaline-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt) + L".part";
        copied = CopyFileW(Widen(from).c_str(), temporary.c_str(), TRUE);
        const DWORD e = copied ? 0 : GetLastError();
        if (!copied && e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) return failed(e);
    }
    if (!copied) return failed(ERROR_FILE_EXISTS);
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return {CreateResult::ok, {}};
    const DWORD e = GetLastError();
    DeleteFileW(temporary.c_str());
    if (e == ERROR_FILE_EXISTS || e == ERROR_ALREADY_EXISTS || AnythingAt(to)) return {CreateResult::exists, {}};
    return failed(e);
}

Status Win32Files::Delete(const std::string& path) {
    if (!DeleteFileW(Widen(path).c_str())) return LastError("Cannot delete " + path);
    return {};
}

RenameResult Win32Files::Rename(const std::string& from, const std::string& to) {
    if (MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), 0)) return RenameResult::ok;
    DWORD e = GetLastError();
    if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION) return RenameResult::in_use;
    if (e == ERROR_ACCESS_DENIED && !AnythingAt(to) && HeldOpenByOthers(from)) return RenameResult::in_use;
    return RenameResult::failed;
}

bool Win32Files::Exists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::IsNormalFile(const std::string& path) {
    DWORD a = Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    return !(a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

Result<std::vector<std::string>> Win32Files::ReadLines(const std::string& path) {
    UniqueHandle h(CreateFileW(Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return LastError("Cannot open " + path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(h.get(), buffer, sizeof buffer, &got, nullptr)) return LastError("Cannot read " + path);
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(bytes)) lines.emplace_back(line);
    return lines;
}

Status Win32Files::WriteBytes(const std::string& path, const std::string& bytes) {
    UniqueHandle h(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return LastError("Cannot create " + path);
    return WriteAll(h.get(), bytes, path);
}

bool Win32Files::CanWriteIn(const std::string& folder) {
    if (!IsFolderAttributes(Attributes(folder))) return false;
    std::wstring probe = Widen(folder);
    if (!probe.empty() && !IsSeparator(probe.back())) probe += L'\\';
    probe += L".tessaline-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(GetTickCount64());
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

Result<std::string> Win32Files::ResolvedPath(const std::string& path) {
    UniqueHandle file(CreateFileW(Widen(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return LastError("Cannot find " + path);
    std::wstring resolved(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetFinalPathNameByHandleW(file.get(), resolved.data(), static_cast<DWORD>(resolved.size()),
                                            FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) return LastError("Cannot find " + path);
        if (n < resolved.size()) {
            resolved.resize(n);
            break;
        }
        resolved.resize(n + 1);
    }
    // \\?\C:\x becomes C:\x, and \\?\UNC\server\share becomes \\server\share.
    if (resolved.rfind(L"\\\\?\\UNC\\", 0) == 0) resolved = L"\\\\" + resolved.substr(8);
    else if (resolved.rfind(L"\\\\?\\", 0) == 0) resolved = resolved.substr(4);
    return Narrow(resolved);
}

Status Win32Files::MakeFolders(const std::string& folder) {
    std::wstring path = Widen(folder);
    while (path.size() > 1 && IsSeparator(path.back()) && path[path.size() - 2] != L':') path.pop_back();
    // Skip what cannot be created: a drive ("C:\") or a share ("\\server\share\").
    size_t pos = 0;
    if (path.size() >= 2 && path[1] == L':') {
        pos = 2;
    } else if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        size_t server = path.find_first_of(L"\\/", 2);
        pos = server == std::wstring::npos ? path.size() : path.find_first_of(L"\\/", server + 1);
        if (pos == std::wstring::npos) pos = path.size();
    }
    while (pos < path.size()) {
        size_t next = path.find_first_of(L"\\/", pos + 1);
        if (next == std::wstring::npos) next = path.size();
        std::wstring part = path.substr(0, next);
        if (!(part.size() == 2 && part[1] == L':') && !part.empty() && !IsSeparator(part.back())) {
            if (!CreateDirectoryW(part.c_str(), nullptr)) {
                DWORD e = GetLastError();
                if (!IsFolderAttributes(GetFileAttributesW(part.c_str())))
                    return ErrorFrom("Cannot create the folder " + Narrow(part), e);
            }
        }
        pos = next;
    }
    if (!IsFolderAttributes(GetFileAttributesW(path.c_str())))
        return Error{"Cannot create the folder " + folder};
    return {};
}

}  // namespace tess::win32
