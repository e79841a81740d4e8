// Starts the desktop program's main window, lets it paint once, and ends: the parent times it.
#include "app/form1.h"
#include "platform/entry.h"

int main(int argc, char** argv) {
    return tess::RunDesktop(argc, argv, [](tess::Platform& platform) {
        tess::App app(platform);
        tess::Form1 main(app);
        main.ShowModeless();
        platform.windows.ProcessPendingEvents();
        return 0;
    });
}
