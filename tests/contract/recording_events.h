// Form handlers that write down what reached them, with optional reactions.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window_system.h"

namespace tess::testing {

struct RecordingEvents : FormEvents {
    std::vector<std::string> clicks;
    std::vector<std::pair<std::string, std::vector<std::string>>> drops;
    std::vector<std::pair<std::string, std::vector<std::string>>> refusals;
    int resizes = 0;
    int closes = 0;
    int close_asks = 0;
    bool allow_close = true;
    std::function<void(const std::string&)> on_click;
    std::function<void()> on_drop;
    std::function<void()> on_resize;

    void Click(const std::string& control) override {
        clicks.push_back(control);
        if (on_click) on_click(control);
    }
    void Drop(const std::string& control, const std::vector<std::string>& paths) override {
        drops.emplace_back(control, paths);
        if (on_drop) on_drop();
    }
    void Resize() override {
        ++resizes;
        if (on_resize) on_resize();
    }
    void DropRefused(const std::string& control, const std::vector<std::string>& items) override {
        refusals.emplace_back(control, items);
    }
    bool AllowClose() override {
        ++close_asks;
        return allow_close;
    }
    void Closed() override { ++closes; }
};

}  // namespace tess::testing
