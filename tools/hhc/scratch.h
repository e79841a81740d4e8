// Temporary files: the private work folder and the compiled file's way into place.
#pragma once

#include <cstdint>
#include <string>

#include "platform/result.h"

namespace hhc {

// A new folder only this process uses, under the system's temporary folder (TMPDIR).
tess::Result<std::string> MakePrivateFolder();
void RemoveTree(const std::string& folder);

// Copies `from` to `to`, creating the folders on the way.
tess::Status CopyInto(const std::string& from, const std::string& to);

// Copies `from` to a temporary name beside `final_path`, flushes it and renames it into
// place, so that `final_path` is either the old file or the complete new one. Leaves no
// temporary file behind on failure. Gives the size written.
tess::Result<std::uint64_t> PlaceFile(const std::string& from, const std::string& final_path);

}  // namespace hhc
