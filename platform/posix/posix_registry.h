// A per-user stand-in for the two registry areas the program reads, kept in a file in the
// registry editor's export format. Text is stored as UTF-8 and answered in the ANSI code
// page, as RegQueryValueExA answers. With nothing stored:
//   HKCU\Software\Microsoft\HTML Help Workshop  InstallDir = the program's own folder,
//       where the bundled stand-in compiler lives;
//   HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO  PATH = the first installed system tool.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/reg_tree.h"
#include "platform/registry.h"
#include "platform/text_codec.h"

namespace tess {

class PosixRegistry final : public Registry {
public:
    PosixRegistry(TextCodec& codec, std::string file, std::string executable_folder,
                  std::vector<std::string> system_tools = DefaultSystemTools());

    // The desktop tools that can stand in for the system information program, in order of preference.
    static std::vector<std::string> DefaultSystemTools();
    // $XDG_CONFIG_HOME/<app>/registry.reg
    static std::string DefaultFile(const std::string& app);

    long OpenKey(RegRoot root, const std::string& path, std::uint32_t access, RegKey* key) override;
    long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, unsigned char* buffer,
                    std::uint32_t* size) override;
    void CloseKey(RegKey key) override;

private:
    // Defaults, then the file's text over them.
    void Load(RegTree& tree, const std::string& text) const;
    // The file is read afresh on every call, as the registry is live; it is parsed again only
    // when its text has changed since the lookup (open to close) began.
    const RegTree& Current();

    TextCodec& codec_;
    std::string file_;
    std::string executable_folder_;
    std::vector<std::string> system_tools_;
    std::map<RegKey, std::string> open_keys_;  // handle -> full UTF-8 key path
    std::unique_ptr<RegTree> tree_;            // while a key is open
    std::string tree_text_;
    RegKey next_key_ = 1;
};

}  // namespace tess
