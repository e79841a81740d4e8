// Runs the Linux compiler from inside Wine. Wine starts a Linux program but can neither wait
// for it nor read its exit status, so a shell records the status in a marker file that is polled.
#pragma once

#include <string>

#include "platform/result.h"
#include "tools/hhc/win32/unix_path.h"

namespace hhc::win32 {

// TESSALINE_LINUX_HHC, else the path in "hhc.linux" beside this program (Linux paths).
tess::Result<std::string> LocateLinuxHhc();

struct LinuxRun {
    std::string program;      // Linux paths
    std::string project;
    std::wstring work_folder;  // Windows path of a private folder for the run's own files
    unsigned timeout_ms = 0;
};

// The Linux program's exit status.
tess::Result<int> RunLinux(const LinuxRun& run, const UnixPathFn& unix_of);

}  // namespace hhc::win32
