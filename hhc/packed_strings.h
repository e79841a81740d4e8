// Strings end to end in one block, each after its length: the hundreds of thousands of
// references a large contents file holds cost their bytes, not a string each.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace hhc {

class PackedStrings {
public:
    void Add(std::string_view s) { Add(s, {}, {}); }
    // One string of the parts end to end.
    void Add(std::string_view a, std::string_view b, std::string_view c = {}) {
        const auto n = static_cast<uint32_t>(a.size() + b.size() + c.size());
        bytes_.append(reinterpret_cast<const char*>(&n), sizeof n).append(a).append(b).append(c);
    }
    // `visit(std::string_view)` for each, in the order added.
    template <class Visit>
    void ForEach(Visit&& visit) const {
        for (size_t at = 0; at < bytes_.size();) {
            uint32_t n = 0;
            std::memcpy(&n, bytes_.data() + at, sizeof n);
            at += sizeof n;
            visit(std::string_view(bytes_).substr(at, n));
            at += n;
        }
    }

private:
    std::string bytes_;
};

}  // namespace hhc
