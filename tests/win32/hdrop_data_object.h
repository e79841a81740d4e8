// A data object carrying a list of files (CF_HDROP), as the shell hands one to a drop target.
#pragma once

#include <ole2.h>

#include <string>
#include <vector>

namespace tess::testing {

// Returns a new object with one reference; the caller releases it. With no paths and
// `with_files` false it offers no file list at all.
IDataObject* NewFileListObject(const std::vector<std::string>& paths, bool with_files = true);

}  // namespace tess::testing
