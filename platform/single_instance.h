// Tells whether another instance of the program is already running.
#pragma once

namespace tess {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // The first caller in a session takes a claim the system drops when the process dies.
    virtual bool AnotherInstanceRunning() = 0;
};

}  // namespace tess
