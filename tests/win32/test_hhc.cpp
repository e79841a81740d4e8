// A help compiler for the Windows tests (built as test-workshop\hhc.exe). It reads the project
// (code page 932, CR LF) and follows the log protocol the program relies on: the log is created
// already held open without delete sharing, so renaming it is refused while it "works"; on
// success the compiled file is put in place first, then the log gains its "Created" line.
//
// Environment:
//   TEST_HHC_DELAY_MS  work time, in milliseconds, while the log is held (default 300)
//   TEST_HHC_MODE      ok | nocreated (default ok)
//   TEST_HHC_RECORD    a file that receives the compiler's own command line (UTF-8)
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace {

using tess::win32::Narrow;

std::wstring Env(const wchar_t* name, const wchar_t* fallback) {
    wchar_t value[1024];
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? std::wstring(value, n) : std::wstring(fallback);
}

std::wstring FromAnsi(const std::string& bytes) {
    int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return wide;
}

bool ReadWhole(const std::wstring& path, std::string* bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes->append(buffer, got);
    CloseHandle(h);
    return true;
}

void Put(HANDLE h, const std::string& text) {
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

bool WriteFileWhole(const std::wstring& path, const std::string& bytes) {
    std::wstring temp = path + L".tmp-" + std::to_wstring(GetCurrentProcessId());
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    Put(h, bytes);
    CloseHandle(h);
    return MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace

int main() {
    std::wstring record = Env(L"TEST_HHC_RECORD", L"");
    if (!record.empty()) WriteFileWhole(record, Narrow(GetCommandLineW()));
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 2) return 2;

    std::string text;
    if (!ReadWhole(argv[1], &text)) return 2;
    std::string compiled, log_path, topic;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        auto take = [&](const std::string& key, std::string& into) {
            if (line.compare(0, key.size(), key) == 0) into = line.substr(key.size());
        };
        take("Compiled file=", compiled);
        take("Error log file=", log_path);
        take("Default topic=", topic);
    }
    if (log_path.empty()) return 2;

    HANDLE log = CreateFileW(FromAnsi(log_path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 4;
    Put(log, "Test help compiler\r\n\r\n");
    Sleep(static_cast<DWORD>(_wtoi(Env(L"TEST_HHC_DELAY_MS", L"300").c_str())));

    std::string page;
    if (!ReadWhole(FromAnsi(topic), &page) || !WriteFileWhole(FromAnsi(compiled), "TESTCHM\n" + page)) {
        Put(log, "HHC5003: Error: cannot compile " + topic + "\r\n");
        CloseHandle(log);
        return 1;
    }
    Put(log, "Compiling " + compiled + "\r\n\r\n");
    if (Env(L"TEST_HHC_MODE", L"ok") == L"nocreated")
        Put(log, "Compile time: 0 minutes, 0 seconds\r\n");
    else
        Put(log, "Created " + compiled + ", " + std::to_string(page.size() + 8) + " bytes\r\n");
    CloseHandle(log);
    return 0;
}
