#include "app/batch_convert.h"

#include "settings/compiler_location.h"
#include "settings/compiler_missing_message.h"
#include "convert/page_conversion.h"

namespace tess {

std::optional<CompilerPaths> EnsureCompilerKnown(App& app) {
    if (CompilerPaths stored = StoredCompiler(app.settings); !stored.program.empty()) return stored;
    std::optional<CompilerPaths> found = FindHelpCompiler(app.platform);
    if (!found) {
        ShowCompilerMissing(app.windows(), kNoWindow);
        return {};
    }
    // A store that cannot be written is told, and must not stop a command that found its compiler.
    app.settings.Write(kKeyInstallPath, found->program);
    app.settings.Write(kKeyInstallPathF, found->folder);
    return found;
}

BatchOutcome ConvertPages(App& app, const CompilerPaths& compiler, const std::vector<std::string>& pages,
                          const std::string& work_folder, std::ostream& out, std::ostream& err) {
    BatchOutcome outcome;
    // Its own work folder and no copy beside the compiler, so it never meets a desktop run's files.
    CompilerRun run(app.platform, compiler, work_folder);
    run.copy_beside_compiler = false;
    run.limits = app.limits;
    for (const std::string& page : pages) {
        Result<std::string> placed = IsHtmlPage(page)
                                         ? ConvertPage(run, page)
                                         : Result<std::string>(Error{"HTMLファイル(拡張子 htm または html)ではありません。"});
        if (placed) {
            ++outcome.converted;
            out << *placed << '\n';
            for (const std::string& warning : run.warnings) err << warning << '\n';
        } else {
            ++outcome.failed;
            app.windows().ShowMessage(PageFailureMessage(page, placed.error()), MessageIcon::exclamation, app.identity.app_title);
        }
    }
    out.flush();
    return outcome;
}

}  // namespace tess
