// What the compiler's process needs from the OS beyond files: a stop request it can answer
// with a written reason, and a full disk that fails a write instead of ending the process.
#pragma once

namespace hhc {

// Done once at start.
void PrepareProcess();
bool StopRequested();

}  // namespace hhc
