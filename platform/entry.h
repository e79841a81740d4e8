// Program entry: the platform builds its services, then hands them to the shared code.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"

namespace tess {

using ProgramBody = std::function<int(Platform&)>;

// The desktop program: window system included.
int RunDesktop(int argc, char** argv, const ProgramBody& body);
// A console program: the window system only reports message boxes on standard error.
int RunConsole(int argc, char** argv, const ProgramBody& body);

// A flat folder of work files that must not outlive the program, even when it is stopped by a
// signal or Ctrl+C on the way (its compilers are stopped first). "" forgets it.
void RemoveOnStop(const std::string& folder);

}  // namespace tess
