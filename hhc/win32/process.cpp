#include "hhc/process.h"

#include <windows.h>

namespace hhc {
namespace {

volatile LONG g_stop = 0;

// Ctrl+C, Ctrl+Break or a closed console: the compilation ends at its next step with a
// written reason instead of dying half-way.
BOOL WINAPI OnStop(DWORD) {
    InterlockedExchange(&g_stop, 1);
    return TRUE;
}

}  // namespace

void PrepareProcess() {
    // Started hidden: a missing disk or a crash must not wait on a dialog nobody sees.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetConsoleCtrlHandler(OnStop, TRUE);
}

bool StopRequested() { return InterlockedCompareExchange(&g_stop, 0, 0) != 0; }

}  // namespace hhc
