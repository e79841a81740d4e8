// Our container headers against the offsets the format notes give for each field: a field
// added, dropped or resized in the code moves every later one and shows here by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "chm/container_headers.h"

namespace {

struct Expected {
    const char* name;
    size_t offset;
};

struct LayoutCase {
    const char* structure;
    chm::FieldList fields;
    size_t size;
    std::vector<Expected> expected;
};

std::vector<LayoutCase> Cases() {
    chm::LzxSection lzx;
    lzx.frame_offsets = {0, 100};
    chm::FieldList itsf, itsp, control, reset;
    size_t itsf_size = chm::ItsfHeader({}, &itsf).size(), itsp_size = chm::ItspHeader({}, &itsp).size();
    size_t control_size = chm::LzxControlData(&control).size(), reset_size = chm::LzxResetTable(lzx, &reset).size();
    return {
        {"ITSF", itsf, itsf_size,
         {{"version", 0x04}, {"timestamp", 0x10}, {"language", 0x14}, {"header GUID 1", 0x18}, {"header GUID 2", 0x28},
          {"header section 0 offset", 0x38}, {"directory offset", 0x48}, {"directory size", 0x50},
          {"content section 0 offset", 0x58}, {"section 0: file size", 0x68}}},
        {"ITSP", itsp, itsp_size,
         {{"chunk size", 0x10}, {"index depth", 0x18}, {"root index chunk, -1 for none", 0x1C},
          {"first listing chunk", 0x20}, {"last listing chunk", 0x24}, {"chunk count", 0x2C}, {"directory GUID", 0x34},
          {"header size again", 0x44}}},
        {"ControlData", control, control_size,
         {{"signature", 0x04}, {"version", 0x08}, {"reset interval, in 32 KB units", 0x0C},
          {"window size, in 32 KB units", 0x10}, {"cache size, in windows", 0x14}}},
        {"ResetTable", reset, reset_size,
         {{"entry count", 0x04}, {"header size", 0x0C}, {"uncompressed size", 0x10}, {"compressed size", 0x18},
          {"frame size", 0x20}, {"frame offset", 0x28}}},
    };
}

TEST(ContainerLayout, EveryFieldSitsWhereTheFormatNotesPutIt) {
    const std::map<std::string, size_t> sizes = {{"ITSF", 0x78}, {"ITSP", 0x54}, {"ControlData", 0x1C},
                                                 {"ResetTable", 0x38}};
    for (const auto& c : Cases()) {
        EXPECT_EQ(c.size, sizes.at(c.structure)) << c.structure;
        size_t end = 0;
        for (const auto& f : c.fields) {
            EXPECT_EQ(f.offset, end) << c.structure << ": " << f.name << " leaves a gap or overlaps";
            end = f.offset + f.size;
        }
        EXPECT_EQ(end, c.size) << c.structure;
        for (const auto& e : c.expected) {
            auto it = std::find_if(c.fields.begin(), c.fields.end(), [&](const auto& f) { return f.name == e.name; });
            ASSERT_NE(it, c.fields.end()) << c.structure << ": no field " << e.name;
            EXPECT_EQ(it->offset, e.offset) << c.structure << ": " << e.name;
        }
    }
}

}  // namespace
