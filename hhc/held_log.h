// The compiler's log, held open and locked from the moment it appears until its last line
// is written: the program takes a log it cannot rename as the sign that the compilation is
// still going on. hhc makes it only once the outcome is known, so the hold is short.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace hhc {

class HeldLog {
public:
    // The log never shows up unlocked: it is made under a temporary name in the same
    // folder, locked, and only then renamed to `path` (replacing an old log).
    static tess::Result<HeldLog> Create(const std::string& path);

    HeldLog(HeldLog&& other) noexcept;
    HeldLog& operator=(HeldLog&&) = delete;
    ~HeldLog();

    // Appends the bytes (code page 932) and a CR LF, made harmless: only the success line
    // may carry the bytes "Created".
    tess::Status WriteLine(std::string_view bytes);
    tess::Status WriteSuccessLine(std::string_view bytes);
    // Closes the log, which lets go of the lock.
    void Release();

private:
    tess::Status Append(std::string line);
    explicit HeldLog(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
};

}  // namespace hhc
