#include "hhc/process.h"

#include <signal.h>

namespace hhc {
namespace {

volatile sig_atomic_t g_stop = 0;

void OnStop(int) { g_stop = 1; }

}  // namespace

void PrepareProcess() {
    // A write past a size limit then fails with EFBIG instead of killing the process.
    signal(SIGXFSZ, SIG_IGN);
    signal(SIGPIPE, SIG_IGN);
    struct sigaction sa {};
    sa.sa_handler = OnStop;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

bool StopRequested() { return g_stop != 0; }

}  // namespace hhc
