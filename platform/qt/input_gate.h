// Keeps drops from arriving while the program is busy: during a drop's own run, while pending
// events are let through, and while another window is modal.
#pragma once

class QWidget;

namespace tess::qt {

struct InputGate {
    int pending_depth = 0;   // inside ProcessPendingEvents
    bool drop_queued = false;
    bool drop_running = false;

    bool DropsWelcome(const QWidget* target) const;
};

}  // namespace tess::qt
