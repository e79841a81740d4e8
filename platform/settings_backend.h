// Where the per-user settings live: application / section / key -> text.
#pragma once

#include <string>

#include "platform/result.h"

namespace tess {

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;

    // A missing application, section or key reads as "". Never fails.
    virtual std::string Get(const std::string& app, const std::string& section,
                            const std::string& key) = 0;
    virtual Status Set(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

}  // namespace tess
