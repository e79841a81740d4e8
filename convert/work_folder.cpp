#include "convert/work_folder.h"

#include "convert/path_names.h"

namespace tess {

std::string ChooseWorkFolder(Platform& platform, const std::string& program_folder, const std::string& app) {
    if (platform.files.CanWriteIn(program_folder) && platform.codec.ToAnsi(program_folder)) return program_folder;
    const std::string user_folder = WithTrailingSeparator(platform.program.UserWorkFolder(app));
    (void)platform.files.MakeFolders(user_folder);  // a folder that cannot be made shows up as a failed write
    return user_folder;
}

}  // namespace tess
