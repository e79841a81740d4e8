// tessaline-convert PAGE...: converts pages to .chm files beside them, without windows.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/batch_convert.h"
#include "app/identity.h"
#include "platform/path_names.h"
#include "convert/left_work_folders.h"
#include "convert/work_folder.h"
#include "platform/entry.h"

namespace {

constexpr const char* kUsage =
    "usage: tessaline-convert [--time-limit SECONDS] PAGE...\n"
    "Converts each HTML page (.htm, .html) into a .chm file beside it and prints its path.\n"
    "An existing file is never replaced: page(1).chm, page(2).chm ... are used instead.\n"
    "--time-limit: how long one page may take before it counts as failed (default 120).\n";

// Paths are UTF-8 text; a plain std::string would be read in another encoding on Windows.
std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TextOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

constexpr long long kMaxTimeLimitS = std::numeric_limits<int>::max() / 1000;

std::string UniqueName() {
    std::random_device random;
    return tess::kRunFolderPrefix + std::to_string(random()) + std::to_string(random());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tess::ProgramArguments(argc, argv);
    std::vector<std::string> pages;
    int time_limit_s = 120;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--time-limit" && i + 1 < args.size()) {
            const std::string_view value = args[++i];
            long long seconds = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
            // Milliseconds are counted in an int.
            if (error != std::errc() || end != value.data() + value.size() || seconds <= 0 ||
                seconds > kMaxTimeLimitS) {
                std::cerr << "--time-limit needs a whole number of seconds from 1 to " << kMaxTimeLimitS << '\n';
                return 2;
            }
            time_limit_s = static_cast<int>(seconds);
            continue;
        }
        pages.push_back(arg);
    }
    if (pages.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    return tess::RunConsole(argc, argv, tess::Names(), [&](tess::Platform& platform) {
        tess::App app(platform, tess::Identity());
        app.limits.time_limit_ms = time_limit_s * 1000;
        const std::optional<tess::CompilerPaths> compiler = tess::EnsureCompilerKnown(app);
        if (!compiler) return 2;
        namespace fs = std::filesystem;
        std::error_code ec;
        for (auto& page : pages) page = TextOf(fs::absolute(PathOf(page), ec));
        const std::string parent = tess::UserSideWorkFolder(platform, app.identity.app_title);
        const fs::path work = PathOf(parent) / UniqueName();
        const std::string work_folder = tess::WithTrailingSeparator(TextOf(work));
        // Through the platform: its error text is UTF-8, where ec.message() is in the system's code page.
        if (const tess::Status made = platform.files.MakeFolders(work_folder); !made) {
            std::cerr << "作業フォルダを作成できません: " << TextOf(work) << ": " << made.error().message << '\n';
            return 2;
        }
        tess::RemoveOnStop(TextOf(work));
        // Unheld, the folder is still safe from other runs for a day, as an older version's is.
        auto hold = platform.files.HoldFolder(work_folder);
        (void)tess::RemoveLeftWorkFolders(platform.files, parent, work_folder);
        const auto outcome = tess::ConvertPages(app, *compiler, pages, work_folder, std::cout, std::cerr);
        tess::RemoveOnStop("");
        if (hold) hold->reset();  // Windows keeps a folder whose file is still open
        fs::remove_all(work, ec);
        return outcome.failed == 0 ? 0 : 1;
    });
}
