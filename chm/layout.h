// Binary structures written field by field, each under the name the format notes give it, so
// the code reads as the layout does and a field can be checked against the notes by name.
// Given a FieldList, a Layout also records where each field lies (for tests and dumps).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chm/bytes.h"

namespace chm {

struct FieldAt {
    std::string name;
    size_t offset = 0;  // from the structure's start
    size_t size = 0;
};
using FieldList = std::vector<FieldAt>;

class Layout {
public:
    explicit Layout(std::string& out, FieldList* fields = nullptr) : out_(out), start_(out.size()), fields_(fields) {}

    Layout& U8(std::string_view name, uint32_t v) { return Put(name, [&] { out_.push_back(static_cast<char>(v)); }); }
    Layout& U16(std::string_view name, uint32_t v) { return Put(name, [&] { PutU16(out_, v); }); }
    Layout& U32(std::string_view name, uint32_t v) { return Put(name, [&] { PutU32(out_, v); }); }
    Layout& U64(std::string_view name, uint64_t v) { return Put(name, [&] { PutU64(out_, v); }); }
    Layout& U32BigEndian(std::string_view name, uint32_t v) { return Put(name, [&] { PutU32BigEndian(out_, v); }); }
    Layout& EncInt(std::string_view name, uint64_t v) { return Put(name, [&] { PutEncInt(out_, v); }); }
    Layout& Bytes(std::string_view name, std::string_view bytes) { return Put(name, [&] { out_ += bytes; }); }
    Layout& Zeros(std::string_view name, size_t count) { return Put(name, [&] { out_.append(count, '\0'); }); }
    Layout& Guid(std::string_view name, uint32_t a, uint16_t b, uint16_t c, const uint8_t (&d)[8]) {
        return Put(name, [&] { PutGuid(out_, a, b, c, d); });
    }

    size_t size() const { return out_.size() - start_; }

private:
    template <typename Write>
    Layout& Put(std::string_view name, Write write) {
        size_t before = size();
        write();
        if (fields_) fields_->push_back({std::string(name), before, size() - before});
        return *this;
    }

    std::string& out_;
    size_t start_;
    FieldList* fields_;
};

}  // namespace chm
