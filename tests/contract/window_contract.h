// The window contract's fixture, for the suites that instantiate it with their driver.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/contract/recording_events.h"
#include "tests/contract/window_driver.h"

namespace tess::testing {

class WindowContract : public ::testing::TestWithParam<WindowDriverFactory> {
protected:
    WindowContract();
    void SetUp() override;
    WindowDriver& driver() { return *driver_; }

    RecordingEvents events;
    std::unique_ptr<WindowDriver> driver_;
    WindowSystem& ws;
    WindowId id = kNoWindow;
};

}  // namespace tess::testing
