#include "tools/hhc/win32/compile_under_wine.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "tools/hhc/log_line.h"
#include "tools/hhc/win32/held_log.h"
#include "tools/hhc/win32/linux_project.h"
#include "tools/hhc/win32/linux_run.h"
#include "tools/hhc/win32/placed_file.h"
#include "tools/hhc/win32/unix_path.h"
#include "tools/hhc/win32/work_folder.h"

namespace hhc::win32 {
namespace {

using tess::win32::Narrow;
using tess::win32::UniqueHandle;
using tess::win32::Widen;

constexpr unsigned kDefaultTimeoutMs = 10 * 60 * 1000;
// The Linux compiler keeps its own limit; ours only catches a run that never ends at all.
constexpr unsigned kTimeoutMarginMs = 10 * 1000;

tess::Result<std::string> ReadWhole(const std::wstring& path) {
    UniqueHandle h(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) return tess::win32::LastError(Narrow(path) + " cannot be read");
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

tess::Status WriteWhole(const std::wstring& path, const std::string& bytes) {
    UniqueHandle h(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!h || !WriteFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return tess::win32::LastError(Narrow(path) + " cannot be written");
    return {};
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// UTF-8 -> code page 932 for the log; a character without a form there becomes "?".
std::string LogText(const std::string& utf8) {
    std::wstring wide = Widen(utf8);
    int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The program takes "Created" anywhere as success; only the success line may hold it.
std::string ErrorLine(const std::string& reason) {
    return Harmless(LogText("Error: " + reason));
}

unsigned TimeoutMs() {
    const char* value = std::getenv("TESSALINE_HHC_TIMEOUT_MS");
    unsigned ms = value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : 0;
    return (ms ? ms : kDefaultTimeoutMs) + kTimeoutMarginMs;
}

// What the Linux compiler left: its log lines without its success line, and whether it succeeded.
struct LinuxOutcome {
    std::vector<std::string> lines;
    bool created = false;
};

tess::Result<LinuxOutcome> RunCompilation(const std::wstring& project_path, const std::string& project_bytes,
                                          const WorkFolder& work) {
    auto unix_of = WineUnixPaths();
    if (!unix_of) return unix_of.error();
    auto program = LocateLinuxHhc();
    if (!program) return program.error();
    auto folder = (*unix_of)(work.path());
    if (!folder) return folder.error();

    const std::wstring project_folder = project_path.substr(0, project_path.find_last_of(L"\\/"));
    LinuxOutputs outputs{*folder + "/compiled.chm", *folder + "/compiled.log"};
    auto text = LinuxProjectText(project_bytes, project_folder, outputs, *unix_of);
    if (!text) return text.error();
    if (auto written = WriteWhole(work / L"project.hhp", *text); !written) return written.error();

    LinuxRun run{*program, *folder + "/project.hhp", work.path(), TimeoutMs()};
    auto status = RunLinux(run, *unix_of);
    if (!status) return status.error();

    LinuxOutcome outcome;
    auto log = ReadWhole(work / L"compiled.log");
    for (const auto& line : Lines(log ? *log : std::string())) {
        if (line.rfind("Created ", 0) == 0) outcome.created = true;
        else outcome.lines.push_back(line);
    }
    outcome.created = outcome.created && *status == 0;
    if (!outcome.created && outcome.lines.empty()) {
        auto said = ReadWhole(work / L"hhc-output.txt");
        std::vector<std::string> output = Lines(said ? *said : std::string());
        return tess::Error{"The Linux help compiler " + *program + " ended with status " + std::to_string(*status) +
                           " and no log" + (output.empty() ? std::string(".") : ": " + output.front())};
    }
    return outcome;
}

}  // namespace

int CompileUnderWine(const std::wstring& given_path) {
    wchar_t full[MAX_PATH + 1];
    DWORD n = GetFullPathNameW(given_path.c_str(), MAX_PATH + 1, full, nullptr);
    const std::wstring project_path = n > 0 && n <= MAX_PATH ? std::wstring(full, n) : given_path;
    auto bytes = ReadWhole(project_path);
    if (!bytes) {
        std::fprintf(stderr, "hhc: %s\n", bytes.error().message.c_str());
        return 1;
    }
    const ProjectOutputs places = FindOutputs(*bytes, project_path.substr(0, project_path.find_last_of(L"\\/")));
    if (places.log_file.empty() || places.compiled_file.empty()) {
        std::fprintf(stderr, "hhc: the project names no %s.\n", places.log_file.empty() ? "error log file" : "compiled file");
        return 1;
    }

    auto work = WorkFolder::Make();
    tess::Result<LinuxOutcome> outcome = work ? RunCompilation(project_path, *bytes, *work) : work.error();

    auto log = HeldLog::Create(places.log_file);
    if (!log) {
        std::fprintf(stderr, "hhc: %s\n", log.error().message.c_str());
        return 1;
    }
    tess::Status done = outcome ? tess::Status() : tess::Status(outcome.error());
    bool reason_given = false;  // the Linux compiler's own "Error:" line says it better
    if (outcome) {
        for (const auto& line : outcome->lines) {
            log->WriteLine(line);
            reason_given = reason_given || line.rfind("Error:", 0) == 0;
        }
        if (!outcome->created) done = tess::Error{"The Linux help compiler made no compiled file."};
    }
    if (done) {
        auto placed = PlaceFile(*work / L"compiled.chm", places.compiled_file);
        if (placed)
            done = log->WriteSuccessLine(LogText("Created " + Narrow(places.compiled_file) + ", " + WithThousands(*placed) +
                                          " bytes"));
        else
            done = placed.error();
    }
    if (!done && !(outcome && !outcome->created && reason_given)) log->WriteLine(ErrorLine(done.error().message));
    log->Close();
    return done ? 0 : 1;
}

}  // namespace hhc::win32
