#include "app/batch_convert.h"

#include "app/compiler_location.h"
#include "app/compiler_missing_message.h"
#include "convert/page_conversion.h"

namespace tess {

KnownCompiler EnsureCompilerKnown(App& app) {
    const std::string stored = app.settings.Read(kKeyInstallPath);
    if (!stored.empty()) return {true, stored, app.settings.Read(kKeyInstallPathF)};
    const CompilerLocation location = FindHelpCompiler(app.platform);
    if (!location.found) {
        ShowCompilerMissing(app.windows(), kNoWindow);
        return {};
    }
    app.Store(kKeyInstallPath, location.full_path);
    app.Store(kKeyInstallPathF, location.folder);
    return {true, location.full_path, location.folder};
}

BatchOutcome ConvertPages(App& app, const KnownCompiler& compiler, const std::vector<std::string>& pages,
                          const std::string& work_folder, std::ostream& out, std::ostream& err) {
    BatchOutcome outcome;
    // Its own work folder and no copy beside the compiler, so it never meets a desktop run's files.
    CompilerRun run(app.platform, app.settings, work_folder);
    run.copy_beside_compiler = false;
    run.compiler_path = compiler.path;
    run.compiler_folder = compiler.folder;
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
            app.windows().ShowMessage(PageFailureMessage(page, placed.error()), MessageIcon::exclamation, kAppTitle);
        }
    }
    out.flush();
    return outcome;
}

}  // namespace tess
