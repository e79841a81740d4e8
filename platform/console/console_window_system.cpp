#include "platform/console/console_window_system.h"

#include <string>

namespace tess {

void ConsoleWindowSystem::ShowMessage(const std::string& text, MessageIcon, const std::string& caption,
                                     WindowId) {
    // Message lines are joined by CR LF; a terminal wants plain line ends.
    std::string plain;
    for (char c : text)
        if (c != '\r') plain += c;
    out_ << caption << ": " << plain << '\n';
    out_.flush();
}

}  // namespace tess
