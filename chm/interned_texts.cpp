#include "chm/interned_texts.h"

#include <unordered_set>

namespace chm {

namespace {
constexpr uint32_t kProbe = UINT32_MAX;
}

struct InternedTexts::Held {
    std::string bytes;
    std::vector<uint64_t> starts{0};  // one more than there are texts
    std::string_view probe;           // the text being looked up, as kProbe

    std::string_view TextOf(uint32_t n) const {
        return n == kProbe ? probe : std::string_view(bytes).substr(starts[n], starts[n + 1] - starts[n]);
    }
    struct Hash {
        const Held* held;
        size_t operator()(uint32_t n) const { return std::hash<std::string_view>{}(held->TextOf(n)); }
    };
    struct Same {
        const Held* held;
        bool operator()(uint32_t a, uint32_t b) const { return held->TextOf(a) == held->TextOf(b); }
    };
    std::unordered_set<uint32_t, Hash, Same> lookup{0, Hash{this}, Same{this}};
};

InternedTexts::InternedTexts() : held_(std::make_unique<Held>()) {}
InternedTexts::~InternedTexts() = default;
InternedTexts::InternedTexts(InternedTexts&&) noexcept = default;
InternedTexts& InternedTexts::operator=(InternedTexts&&) noexcept = default;

uint32_t InternedTexts::Intern(std::string_view text) {
    held_->probe = text;
    if (auto it = held_->lookup.find(kProbe); it != held_->lookup.end()) return *it;
    const auto n = static_cast<uint32_t>(size());
    held_->bytes += text;
    held_->starts.push_back(held_->bytes.size());
    held_->lookup.insert(n);
    return n;
}

std::string_view InternedTexts::operator[](uint32_t n) const { return held_->TextOf(n); }

size_t InternedTexts::size() const { return held_->starts.size() - 1; }

void InternedTexts::StopLookingUp() {
    decltype(held_->lookup)(0, Held::Hash{held_.get()}, Held::Same{held_.get()}).swap(held_->lookup);
    held_->bytes.shrink_to_fit();
    held_->starts.shrink_to_fit();
}

}  // namespace chm
