#include "platform/win32/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace tess::win32 {

std::vector<std::string> ArgumentsOf(std::wstring_view command_line) {
    const std::wstring line(command_line);
    int count = 0;
    wchar_t** split = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::string> arguments;
    if (!split) return arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Narrow(split[i]));
    LocalFree(split);
    return arguments;
}

std::vector<std::string> CommandLineArguments() { return ArgumentsOf(GetCommandLineW()); }

}  // namespace tess::win32
