// Program entry: the platform builds its services, then hands them to the shared code.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/program_names.h"

namespace tess {

using ProgramBody = std::function<int(Platform&)>;

// The desktop program: window system included.
int RunDesktop(int argc, char** argv, const ProgramNames& names, const ProgramBody& body);
// A console program: the window system only reports message boxes on standard error. Standard
// output and error take UTF-8 text and show it whatever the console's code page.
int RunConsole(int argc, char** argv, const ProgramNames& names, const ProgramBody& body);

// A flat folder of work files that must not outlive the program, even when it is stopped by a
// signal or Ctrl+C on the way (its compilers are stopped first). "" forgets it.
void RemoveOnStop(const std::string& folder);

// The program's arguments as UTF-8, [0] its own name; on Windows read from the UTF-16 command
// line, since argv loses every name outside the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace tess
