// Registry reads straight through the ANSI registry functions. One addition: when the help
// workshop left no InstallDir for the current user, InstallDir names the program's own
// folder if the hhc.exe shipped with the program sits there, so a fresh install converts
// with no set-up while an installed workshop still wins.
#pragma once

#include <set>
#include <string>

#include "platform/registry.h"

namespace tess::win32 {

class Win32Registry final : public Registry {
public:
    // `program_folder`: where the shipped hhc.exe is looked for.
    explicit Win32Registry(std::wstring program_folder);

    long OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                    std::uint32_t* size) override;
    void CloseKey(RegKey key) override;

private:
    long AnswerShippedFolder(std::uint32_t* type, unsigned char* buffer, std::uint32_t* size) const;
    bool HasShippedCompiler() const;

    std::wstring program_folder_;
    std::set<RegKey> workshop_keys_;  // real keys opened on the workshop's path
};

}  // namespace tess::win32
