// UTF-8 text to a standard handle, so that a person sees it whatever the code pages: a console
// gets UTF-16, a file or pipe (output redirected) gets UTF-8 with CR LF line ends.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tess::win32 {

bool IsConsole(HANDLE handle);
Status WriteText(HANDLE handle, std::string_view utf8);

// A stream buffer over WriteText. Line buffered; an incomplete UTF-8 sequence at the end of
// what is written waits for its remaining bytes, so a character is never split.
class ConsoleTextBuffer final : public std::streambuf {
public:
    explicit ConsoleTextBuffer(HANDLE handle) : handle_(handle) {}
    ~ConsoleTextBuffer() override;
    ConsoleTextBuffer(const ConsoleTextBuffer&) = delete;
    ConsoleTextBuffer& operator=(const ConsoleTextBuffer&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool WriteComplete();

    HANDLE handle_;
    std::string pending_;
};

// While it lives, std::cout and std::cerr write through ConsoleTextBuffer to the standard
// output and error handles.
class Utf8StandardStreams {
public:
    Utf8StandardStreams();
    ~Utf8StandardStreams();
    Utf8StandardStreams(const Utf8StandardStreams&) = delete;
    Utf8StandardStreams& operator=(const Utf8StandardStreams&) = delete;

private:
    ConsoleTextBuffer out_;
    ConsoleTextBuffer err_;
    std::streambuf* old_out_;
    std::streambuf* old_err_;
};

// How many leading bytes of `utf8` end on a whole character (a malformed byte counts as whole).
size_t CompleteUtf8Length(std::string_view utf8);

}  // namespace tess::win32
