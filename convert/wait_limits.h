// How long and how often a run looks at the compiler's log.
#pragma once

namespace tess {

struct WaitLimits {
    int poll_ms = 1;              // between looks at the log; a tight spin would eat a core
    int settle_ms = 50;           // at most, from the log's appearance to the first probe, while
                                  // its success line is still to come: each probe that meets the
                                  // log held costs the whole in-use pause
    int in_use_pause_ms = 2000;   // the compiler still holds the log
    int time_limit_ms = 120000;   // per page, from the compiler's start
    int paint_every_ms = 50;      // the window keeps painting while we wait
};

}  // namespace tess
