// The executable's folder and the per-user work folder under %LOCALAPPDATA%.
#pragma once

#include "platform/files.h"
#include "platform/program_info.h"

namespace tess::win32 {

class Win32ProgramInfo final : public ProgramInfo {
public:
    explicit Win32ProgramInfo(Files& files) : files_(files) {}
    // A drive's root keeps its separator ("C:\"); any other folder has none.
    std::string ExecutableFolder() override;
    std::string UserWorkFolder(const std::string& app) override;
    // The per-user work folder by its short (8.3) name, which is plain ASCII where the
    // volume keeps short names.
    Result<std::string> PlainWorkFolder(const std::string& app) override;

private:
    Files& files_;
};

}  // namespace tess::win32
