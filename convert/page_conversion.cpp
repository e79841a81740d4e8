#include "convert/page_conversion.h"

#include "platform/path_names.h"
#include "platform/text.h"
#include "convert/project_file.h"

namespace tess {

bool IsHtmlPage(const std::string& path) {
    const std::string extension = AsciiLowered(GetExtension(path));
    return extension == "htm" || extension == "html";
}

Result<std::string> ConvertPage(CompilerRun& run, const std::string& dropped) {
    if (!run.files.Exists(dropped)) return Error{"ページが見つかりません(フォルダは変換できません)。"};
    // Resolved once: through a link and "..", the compiler must read the page that the
    // output is placed beside, not another that the same text names.
    auto resolved = run.files.ResolvedPath(dropped);
    if (!resolved) return Error{"ページが見つかりません(フォルダは変換できません)。"};
    const std::string& page = *resolved;
    if (auto written = WriteProjectFile(run.files, run.codec, run.work_folder, page); !written)
        return Error{written.error().message};
    auto started = StartCompiler(run);
    if (!started) return started.error();
    if (auto finished = WaitForCompiler(run, *started); !finished) return finished.error();
    return PlaceOutput(run, page);
}

std::string PageFailureMessage(const std::string& page, const Error& error) {
    return "次のページを変換できませんでした。\r\n" + page + "\r\n\r\n" + error.message;
}

}  // namespace tess
