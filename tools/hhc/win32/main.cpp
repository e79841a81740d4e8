// hhc.exe for the Windows tests under Wine: the Linux stand-in compiler, driven from the
// Windows side. Takes the project file as its one argument, quoted or not.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/hhc/win32/compile_under_wine.h"

namespace {

// Everything after the program's own name, so a path with blanks needs no quotes.
std::wstring ProjectArgument(const std::wstring& line) {
    size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        at = line.find(L'"', 1);
        at = at == std::wstring::npos ? line.size() : at + 1;
    } else {
        at = line.find_first_of(L" \t");
        if (at == std::wstring::npos) at = line.size();
    }
    std::wstring rest = line.substr(at);
    rest.erase(0, rest.find_first_not_of(L" \t"));
    rest.erase(rest.find_last_not_of(L" \t") + 1);
    if (rest.size() >= 2 && rest.front() == L'"' && rest.back() == L'"') rest = rest.substr(1, rest.size() - 2);
    return rest;
}

}  // namespace

int main() {
    std::wstring project = ProjectArgument(GetCommandLineW());
    if (project.empty()) {
        std::fprintf(stderr, "usage: hhc <project file>\n");
        return 1;
    }
    return hhc::win32::CompileUnderWine(project);
}
