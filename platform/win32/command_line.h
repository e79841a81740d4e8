// The program's arguments as UTF-8, read from its UTF-16 command line: argv holds them in the
// system's code page, where a name outside it (ガイド.htm on a Western Windows) arrives as "???".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tess::win32 {

// Split as the system splits a command line (quotes, backslashes before quotes); [0] is the program.
std::vector<std::string> ArgumentsOf(std::wstring_view command_line);
// This process's arguments.
std::vector<std::string> CommandLineArguments();

}  // namespace tess::win32
