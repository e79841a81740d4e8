// mkstemp makes files private; hhc's files should get the mode a plain create would give.
#pragma once

#include <sys/stat.h>

namespace hhc {

inline mode_t PlainFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace hhc
