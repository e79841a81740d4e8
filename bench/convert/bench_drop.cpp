// The desktop drop path: the real main window takes drops of several sizes, repainting while it
// waits, with the end notice off. Usage: bench_drop COUNT[,COUNT...] PAGE...
// Prints one line per drop: "<count> <ms> <compiled files placed>". A message box (a failed
// page) is closed and counted, so a failure shows in the figures instead of hanging the bench.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/identity.h"
#include "platform/entry.h"

namespace {

int CompiledFiles(const std::vector<std::string>& pages) {
    std::set<std::filesystem::path> folders;
    for (const auto& page : pages) folders.insert(std::filesystem::path(page).parent_path());
    int count = 0;
    for (const auto& folder : folders)
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".chm") ++count;
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::vector<int> counts;
    std::istringstream list(argv[1]);
    for (std::string item; std::getline(list, item, ',');) counts.push_back(std::stoi(item));
    const std::vector<std::string> pages(argv + 2, argv + argc);
    return tess::RunDesktop(argc, argv, tess::Names(), [&](tess::Platform& platform) {
        tess::App app(platform, tess::Identity());
        app.settings.Write(tess::kKeyMessage, "OFF");
        tess::Form1 main(app);
        main.ShowModeless();
        platform.windows.ProcessPendingEvents();
        int boxes = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++boxes;
                box->close();
            }
        });
        closer.start(200);
        int status = 0;
        for (int count : counts) {
            if (count > static_cast<int>(pages.size())) return 2;
            const std::vector<std::string> drop(pages.begin(), pages.begin() + count);
            const int before = CompiledFiles(drop);
            boxes = 0;
            const auto start = std::chrono::steady_clock::now();
            main.Drop("Frame1", drop);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            const int placed = CompiledFiles(drop) - before;
            std::printf("%d %.1f %d\n", count, ms, placed);
            if (placed != count || boxes) status = 1;
        }
        std::fflush(stdout);
        return status;
    });
}
