#include "chm/system_files.h"

#include "chm/bytes.h"
#include "chm/layout.h"
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

// A #SYSTEM entry: its code, its size, then the value.
void PutEntry(Layout& system, uint16_t code, std::string_view text) {
    system.U16("entry code", code).U16("entry size", static_cast<uint32_t>(text.size() + 1)).Bytes("text", text).U8("end", 0);
}

void PutEntry32(Layout& system, uint16_t code, uint32_t value) {
    system.U16("entry code", code).U16("entry size", 4).U32("value", value);
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
    probe_ = text;
    if (auto it = held_.find(kProbe); it != held_.end()) return it->offset;
    size_t room = kStringBlock - bytes_.size() % kStringBlock;
    if (text.size() + 1 > room && text.size() + 1 <= kStringBlock) bytes_.append(room, '\0');
    const Held h{static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(text.size())};
    bytes_ += text;
    bytes_.push_back('\0');
    held_.insert(h);
    return h.offset;
}

TopicTables BuildTopicTables(const Options& options, const std::vector<InputFile>& files, StringTable& strings) {
    TopicTables t;
    t.url_str.push_back('\0');
    for (const auto& f : files) {
        if (!f.title) continue;
        uint32_t url_offset = static_cast<uint32_t>(t.url_str.size());
        Layout(t.url_str)
            .U32("outside address", 0)  // none
            .U32("frame name", 0)       // none
            .Bytes("address", NameText(options, UrlOf(f.name)))
            .U8("end", 0);

        uint32_t tbl_offset = static_cast<uint32_t>(t.url_tbl.size());
        Layout(t.url_tbl).U32("address hash", 0).U32("topic", t.count).U32("#URLSTR offset", url_offset);

        Layout(t.topics)
            .U32("TocIdxEntry", 0)  // no binary contents entry
            .U32("Title", f.title->empty() ? 0xFFFFFFFFu : strings.Add(*f.title))
            .U32("UrlTbl", tbl_offset)
            .U16("Flags", f.title->empty() ? 2 : 6)
            .U16("Zero", 0);
        ++t.count;
    }
    return t;
}

uint32_t AddTopicAlias(TopicTables& t, StringTable& strings, uint32_t of, std::string_view title) {
    Layout(t.topics)
        .U32("TocIdxEntry", 0)
        .U32("Title", strings.Add(title))
        .U32("UrlTbl", of * 12)
        .U16("Flags", 4)  // titled, but not a page of its own for the search
        .U16("Zero", 0);
    return t.count++;
}

std::optional<Window> WindowToStore(const Options& options) {
    if (options.window) return options.window;
    // A search needs the navigation pane as much as a contents or index does.
    if (options.contents_file.empty() && options.index_file.empty() && !HasFullText(options)) return std::nullopt;
    Window w;
    w.caption = options.title;
    w.contents_file = NameText(options, WithoutSlash(options.contents_file));
    w.index_file = NameText(options, WithoutSlash(options.index_file));
    w.default_topic = NameText(options, UrlOf(options.default_topic));
    w.home_topic = w.default_topic;
    if (HasFullText(options)) w.properties |= kPropertySearchTab;
    // With nothing else to show, the pane opens on the search.
    if (HasFullText(options) && w.contents_file.empty() && w.index_file.empty()) w.default_tab = kNavigationSearch;
    return w;
}

std::string BuildWindows(const Window& w, StringTable& strings) {
    std::string out;
    Layout(out).U32("entry count", 1).U32("entry size", kWindowEntrySize);
    size_t start = out.size();
    uint32_t valid = kParamProperties | kParamRect | kParamNavWidth | kParamButtons;
    if (w.show_state) valid |= kParamShowState;
    if (w.styles) valid |= kParamStyles;
    if (w.extended_styles) valid |= kParamExStyles;
    if (w.navigation_closed) valid |= kParamExpansion;
    if (w.tab_position) valid |= kParamTabPosition;
    if (w.default_tab) valid |= kParamCurrentTab;
    Layout(out)
        .U32("entry size", kWindowEntrySize)
        .U32("texts are UTF-16", 0)
        .U32("window type name", strings.Add(w.name))
        .U32("valid members", valid)
        .U32("navigation pane properties", w.properties)
        .U32("caption", strings.Add(w.caption))
        .U32("window styles", w.styles)
        .U32("extended window styles", w.extended_styles)
        .U32("left", static_cast<uint32_t>(w.left))
        .U32("top", static_cast<uint32_t>(w.top))
        .U32("right", static_cast<uint32_t>(w.right))
        .U32("bottom", static_cast<uint32_t>(w.bottom))
        .U32("show state", w.show_state)
        .Zeros("window, pane and tool bar handles (run time)", 6 * 4)
        .U32("navigation pane width", w.navigation_width)
        .Zeros("topic pane rectangle (run time)", 4 * 4)
        .U32("contents file", strings.Add(w.contents_file))
        .U32("index file", strings.Add(w.index_file))
        .U32("default topic", strings.Add(w.default_topic))
        .U32("home topic", strings.Add(w.home_topic))
        .U32("tool bar buttons", w.buttons)
        .U32("navigation pane closed", w.navigation_closed ? 1 : 0)
        .U32("current tab", w.default_tab.value_or(0))
        .U32("tab position", w.tab_position.value_or(0))
        .U32("notification id", w.notify_id)
        .Zeros("tab order", 20)
        .U32("history count", 0)
        .U32("jump 1 text", strings.Add(w.jump1_text))
        .U32("jump 2 text", strings.Add(w.jump2_text))
        .U32("jump 1 address", strings.Add(w.jump1_url))
        .U32("jump 2 address", strings.Add(w.jump2_url))
        // The rest (minimum size, custom tabs) stays unset.
        .Zeros("minimum rectangle and custom tabs", start + kWindowEntrySize - out.size());
    return out;
}

std::string BuildIdxHdr(uint32_t topic_count, const std::vector<uint32_t>& merged) {
    std::string out;
    Layout idxhdr(out);
    idxhdr.Bytes("signature", "T#SM")
        .U32("timestamp", 0)
        .U32("unknown, always observed to be 1", 1)
        .U32("topic count", topic_count)
        .U32("unknown, 0", 0)
        .U32("image list", 0xFFFFFFFFu)  // none
        .U32("unknown, 0", 0)
        .U32("folder images", 1)
        .U32("background colour", 0xFFFFFFFFu)
        .U32("foreground colour", 0xFFFFFFFFu)
        .U32("font", 0xFFFFFFFFu)
        .U32("window styles", 0xFFFFFFFFu)
        .U32("extended window styles", 0xFFFFFFFFu)
        .U32("unknown, unset", 0xFFFFFFFFu)
        .U32("frame name", 0xFFFFFFFFu)
        .U32("window name", 0xFFFFFFFFu)
        .U32("information types", 0)
        .U32("unknown, always observed to be 1", 1)
        .U32("merged file count", static_cast<uint32_t>(merged.size()))
        .U32("files are merged", merged.empty() ? 0 : 1);
    for (uint32_t offset : merged) idxhdr.U32("merged file name", offset);
    idxhdr.Zeros("unused", kIdxHdrSize - out.size());
    return out;
}

std::string BuildSystem(const Options& o, const std::optional<Window>& window, const std::string& idxhdr,
                        bool keyword_links) {
    std::string out;
    Layout system(out);
    system.U32("version", 3);
    PutEntry32(system, 10, o.timestamp);
    // Viewers read the compiler version from this entry.
    PutEntry(system, 9, "HHA Version 4.74.8702");
    system.U16("entry code", 4)
        .U16("entry size", 36)
        .U32("language", o.language)
        .U32("DBCS", 0)
        .U32("full-text search", HasFullText(o) ? 1 : 0)
        .U32("keyword links (binary index)", keyword_links ? 1 : 0)
        .U32("associative links", 0)
        // FILETIME counts 100 ns steps from 1601.
        .U64("time", o.timestamp ? (uint64_t{o.timestamp} + 11644473600ull) * 10000000ull : 0)
        .U32("unknown, 0", 0)
        .U32("unknown, 0", 0);
    if (!o.default_topic.empty()) PutEntry(system, 2, NameText(o, UrlOf(o.default_topic)));
    if (!o.title.empty()) PutEntry(system, 3, o.title);
    if (!o.default_font.empty()) PutEntry(system, 16, o.default_font);
    if (!o.compiled_name.empty()) PutEntry(system, 6, o.compiled_name);
    if (!o.contents_file.empty()) PutEntry(system, 0, NameText(o, WithoutSlash(o.contents_file)));
    if (!o.index_file.empty()) PutEntry(system, 1, NameText(o, WithoutSlash(o.index_file)));
    if (window) PutEntry(system, 5, window->name);
    if (!o.contents.empty()) PutEntry32(system, 11, 0);  // a binary contents; its #URLTBL key, 0 as all of ours
    PutEntry32(system, 12, 0);                           // information types
    system.U16("entry code", 13).U16("entry size", static_cast<uint32_t>(idxhdr.size())).Bytes("#IDXHDR", idxhdr);
    PutEntry32(system, 15, 0);  // information type checksum
    return out;
}

}  // namespace chm
