#include "platform/win32/console_text.h"

#include <algorithm>
#include <iostream>

#include "platform/win32/wide_text.h"

namespace tess::win32 {

namespace {

// Old consoles refuse very long writes; a chunk never ends inside a surrogate pair.
constexpr size_t kConsoleChunk = 8192;

Status WriteAll(HANDLE handle, const char* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, data, static_cast<DWORD>(std::min<size_t>(size, 1 << 20)), &written, nullptr) ||
            written == 0)
            return LastError("standard output");
        data += written;
        size -= written;
    }
    return {};
}

}  // namespace

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

Status WriteText(HANDLE handle, std::string_view utf8) {
    if (utf8.empty()) return {};
    if (IsConsole(handle)) {
        const std::wstring wide = Widen(utf8);
        size_t at = 0;
        while (at < wide.size()) {
            size_t n = std::min(kConsoleChunk, wide.size() - at);
            if (at + n < wide.size() && IS_HIGH_SURROGATE(wide[at + n - 1])) --n;
            DWORD written = 0;
            if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(n), &written, nullptr) || written == 0)
                return LastError("console");
            at += written;
        }
        return {};
    }
    // Redirected: text-mode line ends, as other console programs write them.
    std::string bytes;
    bytes.reserve(utf8.size() + utf8.size() / 16);
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) bytes += '\r';
        bytes += utf8[i];
    }
    return WriteAll(handle, bytes.data(), bytes.size());
}

size_t CompleteUtf8Length(std::string_view utf8) {
    // Find the lead byte of the last character (at most 3 continuation bytes back).
    size_t lead = utf8.size();
    for (size_t back = 0; back < 4 && lead > 0; ++back) {
        --lead;
        if ((static_cast<unsigned char>(utf8[lead]) & 0xC0) != 0x80) break;
    }
    if (lead == utf8.size()) return utf8.size();
    const unsigned char c = static_cast<unsigned char>(utf8[lead]);
    const size_t want = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (want == 0) return utf8.size();
    return utf8.size() - lead < want ? lead : utf8.size();
}

ConsoleTextBuffer::~ConsoleTextBuffer() {
    (void)WriteText(handle_, pending_);
}

bool ConsoleTextBuffer::WriteComplete() {
    const size_t n = CompleteUtf8Length(pending_);
    const Status written = WriteText(handle_, std::string_view(pending_).substr(0, n));
    pending_.erase(0, n);
    return written.ok();
}

ConsoleTextBuffer::int_type ConsoleTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    pending_ += ch;
    if (ch == '\n' && !WriteComplete()) return traits_type::eof();
    return c;
}

std::streamsize ConsoleTextBuffer::xsputn(const char* s, std::streamsize n) {
    pending_.append(s, static_cast<size_t>(n));
    if (std::string_view(s, static_cast<size_t>(n)).find('\n') != std::string_view::npos && !WriteComplete())
        return 0;
    return n;
}

int ConsoleTextBuffer::sync() { return WriteComplete() ? 0 : -1; }

Utf8StandardStreams::Utf8StandardStreams()
    : out_(GetStdHandle(STD_OUTPUT_HANDLE)), err_(GetStdHandle(STD_ERROR_HANDLE)) {
    std::cout.flush();
    std::cerr.flush();
    old_out_ = std::cout.rdbuf(&out_);
    old_err_ = std::cerr.rdbuf(&err_);
}

Utf8StandardStreams::~Utf8StandardStreams() {
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(old_out_);
    std::cerr.rdbuf(old_err_);
}

}  // namespace tess::win32
