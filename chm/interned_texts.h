// Texts held once each, end to end in one string, numbered in the order they first came: a
// large index names the same few hundred thousand texts over and over.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace chm {

class InternedTexts {
public:
    InternedTexts();
    ~InternedTexts();
    InternedTexts(InternedTexts&&) noexcept;
    InternedTexts& operator=(InternedTexts&&) noexcept;

    // The number of `text`, the next one when it is new.
    uint32_t Intern(std::string_view text);
    std::string_view operator[](uint32_t n) const;
    size_t size() const;
    // Lets go of what looking texts up takes; Intern then no longer serves.
    void StopLookingUp();

private:
    struct Held;
    std::unique_ptr<Held> held_;  // its lookup knows where it is, so it stays put when moved
};

}  // namespace chm
