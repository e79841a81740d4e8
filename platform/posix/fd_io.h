// Whole-buffer reads and writes on descriptors, with errno kept for the caller.
#pragma once

#include <string>
#include <string_view>

namespace tess {

// False with errno set when not every byte could be written.
bool WriteAll(int fd, std::string_view bytes);
// False with errno set on a read error; `out` receives everything read up to the end.
bool ReadAll(int fd, std::string& out);
// Copies from the current position of `in` to its end.
bool CopyAll(int in, int out);

// "what: reason" with the reason taken from errno.
std::string ErrnoMessage(const std::string& what);

}  // namespace tess
