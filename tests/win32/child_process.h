// Starting the test child and finding files beside the test program.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tess::testing {

// Full path of the test child program, which sits beside the test program.
std::string ChildProgram();
// Runs the child with the arguments (each quoted) and waits for its exit status; -1 when it
// could not be started or did not end in time.
int RunChild(const std::vector<std::string>& arguments, int timeout_ms = 30000);
// Polls until `done` holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 10000);

}  // namespace tess::testing
