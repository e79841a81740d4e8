// One page, from the project file to the .chm beside it.
#pragma once

#include <string>

#include "convert/compiler_run.h"

namespace tess {

// The pages the drop takes: "htm" and "html" in any case.
bool IsHtmlPage(const std::string& path);

// Writes the project, runs the compiler, places the output. Returns the output's path, or why not.
// The page is resolved first (links, ".."), and that one path is compiled and placed beside.
Result<std::string> ConvertPage(CompilerRun& run, const std::string& dropped);

// The message a user sees when a page could not be converted.
std::string PageFailureMessage(const std::string& page, const Error& error);

}  // namespace tess
