#include "chm/system_files.h"

#include "chm/bytes.h"
#include "chm/names.h"

namespace chm {
namespace {

constexpr uint32_t kWindowEntrySize = 196;
constexpr uint32_t kIdxHdrSize = 4096;
constexpr size_t kStringBlock = 4096;

// Which window fields are set (the HHWIN_PARAM_ bits).
constexpr uint32_t kParamProperties = 0x2, kParamStyles = 0x4, kParamExStyles = 0x8, kParamRect = 0x10,
                   kParamNavWidth = 0x20, kParamShowState = 0x40, kParamButtons = 0x100, kParamExpansion = 0x200,
                   kParamTabPosition = 0x400, kParamCurrentTab = 0x2000;
constexpr uint32_t kPropertySearchTab = 0x400;
constexpr uint32_t kNavigationSearch = 2;

void PutEntry(std::string& out, uint16_t code, std::string_view text) {
    PutU16(out, code);
    PutU16(out, static_cast<uint32_t>(text.size() + 1));
    out += text;
    out.push_back('\0');
}

void PutEntry32(std::string& out, uint16_t code, uint32_t value) {
    PutU16(out, code);
    PutU16(out, 4);
    PutU32(out, value);
}

std::string WithoutSlash(std::string_view name) {
    if (name.starts_with('/')) name.remove_prefix(1);
    return std::string(name);
}

std::string NameText(const Options& options, const std::string& name) {
    return options.name_text ? options.name_text(name) : name;
}

}  // namespace

uint32_t StringTable::Add(std::string_view text) {
    if (text.empty()) return 0;
    auto [it, added] = offsets_.try_emplace(std::string(text), static_cast<uint32_t>(bytes_.size()));
    if (added) {
        size_t room = kStringBlock - bytes_.size() % kStringBlock;
        if (text.size() + 1 > room && text.size() + 1 <= kStringBlock) {
            bytes_.append(room, '\0');
            it->second = static_cast<uint32_t>(bytes_.size());
        }
        bytes_ += text;
        bytes_.push_back('\0');
    }
    return it->second;
}

TopicTables BuildTopicTables(const Options& options, const std::vector<InputFile>& files, StringTable& strings) {
    TopicTables t;
    t.url_str.push_back('\0');
    for (const auto& f : files) {
        if (!f.title) continue;
        uint32_t url_offset = static_cast<uint32_t>(t.url_str.size());
        PutU32(t.url_str, 0);  // no outside URL
        PutU32(t.url_str, 0);  // no frame name
        t.url_str += NameText(options, UrlOf(f.name));
        t.url_str.push_back('\0');

        uint32_t tbl_offset = static_cast<uint32_t>(t.url_tbl.size());
        PutU32(t.url_tbl, 0);
        PutU32(t.url_tbl, t.count);
        PutU32(t.url_tbl, url_offset);

        PutU32(t.topics, 0);  // no binary contents entry
        PutU32(t.topics, f.title->empty() ? 0xFFFFFFFFu : strings.Add(*f.title));
        PutU32(t.topics, tbl_offset);
        PutU16(t.topics, f.title->empty() ? 2 : 6);
        PutU16(t.topics, 0);
        ++t.count;
    }
    return t;
}

std::optional<Window> WindowToStore(const Options& options) {
    if (options.window) return options.window;
    // A search needs the navigation pane as much as a contents or index does.
    if (options.contents_file.empty() && options.index_file.empty() && !options.full_text) return std::nullopt;
    Window w;
    w.caption = options.title;
    w.contents_file = NameText(options, WithoutSlash(options.contents_file));
    w.index_file = NameText(options, WithoutSlash(options.index_file));
    w.default_topic = NameText(options, UrlOf(options.default_topic));
    w.home_topic = w.default_topic;
    if (options.full_text) w.properties |= kPropertySearchTab;
    // With nothing else to show, the pane opens on the search.
    if (options.full_text && w.contents_file.empty() && w.index_file.empty()) w.default_tab = kNavigationSearch;
    return w;
}

std::string BuildWindows(const Window& w, StringTable& strings) {
    std::string out;
    PutU32(out, 1);
    PutU32(out, kWindowEntrySize);
    size_t start = out.size();
    uint32_t valid = kParamProperties | kParamRect | kParamNavWidth | kParamButtons;
    if (w.show_state) valid |= kParamShowState;
    if (w.styles) valid |= kParamStyles;
    if (w.extended_styles) valid |= kParamExStyles;
    if (w.navigation_closed) valid |= kParamExpansion;
    if (w.tab_position) valid |= kParamTabPosition;
    if (w.default_tab) valid |= kParamCurrentTab;
    PutU32(out, kWindowEntrySize);
    PutU32(out, 0);  // texts are not UTF-16
    PutU32(out, strings.Add(w.name));
    PutU32(out, valid);
    PutU32(out, w.properties);
    PutU32(out, strings.Add(w.caption));
    PutU32(out, w.styles);
    PutU32(out, w.extended_styles);
    PutU32(out, static_cast<uint32_t>(w.left));
    PutU32(out, static_cast<uint32_t>(w.top));
    PutU32(out, static_cast<uint32_t>(w.right));
    PutU32(out, static_cast<uint32_t>(w.bottom));
    PutU32(out, w.show_state);
    for (int i = 0; i < 6; ++i) PutU32(out, 0);  // handles filled in at run time
    PutU32(out, w.navigation_width);
    for (int i = 0; i < 4; ++i) PutU32(out, 0);  // topic pane rectangle, run time
    PutU32(out, strings.Add(w.contents_file));
    PutU32(out, strings.Add(w.index_file));
    PutU32(out, strings.Add(w.default_topic));
    PutU32(out, strings.Add(w.home_topic));
    PutU32(out, w.buttons);
    PutU32(out, w.navigation_closed ? 1 : 0);
    PutU32(out, w.default_tab.value_or(0));
    PutU32(out, w.tab_position.value_or(0));
    PutU32(out, w.notify_id);
    out.append(20, '\0');  // tab order
    PutU32(out, 0);         // history count
    PutU32(out, strings.Add(w.jump1_text));
    PutU32(out, strings.Add(w.jump2_text));
    PutU32(out, strings.Add(w.jump1_url));
    PutU32(out, strings.Add(w.jump2_url));
    out.resize(start + kWindowEntrySize, '\0');  // the rest: minimum size, custom tabs, unset
    return out;
}

std::string BuildIdxHdr(uint32_t topic_count, const std::vector<uint32_t>& merged) {
    std::string out = "T#SM";
    PutU32(out, 0);
    PutU32(out, 1);
    PutU32(out, topic_count);
    PutU32(out, 0);
    PutU32(out, 0xFFFFFFFFu);  // no image list
    PutU32(out, 0);
    PutU32(out, 1);            // folder images
    for (int i = 0; i < 8; ++i) PutU32(out, 0xFFFFFFFFu);  // colours, font, styles, frame, window: unset
    PutU32(out, 0);            // information types
    PutU32(out, 1);
    PutU32(out, static_cast<uint32_t>(merged.size()));
    PutU32(out, merged.empty() ? 0 : 1);  // set whenever files are merged
    for (uint32_t offset : merged) PutU32(out, offset);
    out.resize(kIdxHdrSize, '\0');
    return out;
}

std::string BuildSystem(const Options& o, const std::optional<Window>& window, const std::string& idxhdr) {
    std::string out;
    PutU32(out, 3);
    PutEntry32(out, 10, o.timestamp);
    // Viewers read the compiler version from this entry.
    PutEntry(out, 9, "HHA Version 4.74.8702");
    PutU16(out, 4);
    PutU16(out, 36);
    PutU32(out, o.language);
    PutU32(out, 0);
    PutU32(out, o.full_text ? 1 : 0);
    PutU32(out, o.keywords.empty() ? 0 : 1);  // a binary index
    PutU32(out, 0);  // no associative links
    // FILETIME counts 100 ns steps from 1601.
    PutU64(out, o.timestamp ? (uint64_t{o.timestamp} + 11644473600ull) * 10000000ull : 0);
    PutU32(out, 0);
    PutU32(out, 0);
    if (!o.default_topic.empty()) PutEntry(out, 2, NameText(o, UrlOf(o.default_topic)));
    if (!o.title.empty()) PutEntry(out, 3, o.title);
    if (!o.default_font.empty()) PutEntry(out, 16, o.default_font);
    if (!o.compiled_name.empty()) PutEntry(out, 6, o.compiled_name);
    if (!o.contents_file.empty()) PutEntry(out, 0, NameText(o, WithoutSlash(o.contents_file)));
    if (!o.index_file.empty()) PutEntry(out, 1, NameText(o, WithoutSlash(o.index_file)));
    if (window) PutEntry(out, 5, window->name);
    PutEntry32(out, 12, 0);  // information types
    PutU16(out, 13);
    PutU16(out, static_cast<uint32_t>(idxhdr.size()));
    out += idxhdr;
    PutEntry32(out, 15, 0);  // information type checksum
    return out;
}

}  // namespace chm
