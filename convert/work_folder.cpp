#include "convert/work_folder.h"

#include "platform/path_names.h"

namespace tess {

std::string UserSideWorkFolder(Platform& platform, const std::string& app) {
    const std::string user_folder = WithTrailingSeparator(platform.program.UserWorkFolder(app));
    if (!platform.codec.ToAnsi(user_folder)) {
        // Without one the compiler could not be told where to write: every page would fail.
        if (auto plain = platform.program.PlainWorkFolder(app); plain && platform.codec.ToAnsi(*plain))
            return WithTrailingSeparator(*plain);
    }
    (void)platform.files.MakeFolders(user_folder);  // a folder that cannot be made shows up as a failed write
    return user_folder;
}

std::string ChooseWorkFolder(Platform& platform, const std::string& program_folder, const std::string& app) {
    if (platform.files.CanWriteIn(program_folder) && platform.codec.ToAnsi(program_folder)) return program_folder;
    return UserSideWorkFolder(platform, app);
}

}  // namespace tess
