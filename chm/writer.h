// Writes a compiled HTML help file (.chm) from files held in memory or read in turn. Standard
// C++ only.
//
// Names: every stored file is named by its path inside the compiled file, "/" first and "/"
// between folders ("/page.htm", "/images/a.png"), as UTF-8; the directory stores them as
// UTF-8 bytes unchanged. Lookups in readers ignore ASCII case, so two names that differ only
// in ASCII case are refused, as are names that are empty, longer than kMaxNameBytes, not
// well-formed UTF-8, hold control characters, "\", empty, "." or ".." parts, or end in "/".
// The compiled file's own entries start with "/#", "/$" or "::"; a stored file whose name
// starts so is refused instead of being stored under another name, so that no link breaks
// unseen.
//
// The same input always gives the same bytes: nothing is taken from the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chm/keyword_table.h"
#include "platform/result.h"

namespace chm {

inline constexpr size_t kMaxNameBytes = 512;  // what the strictest reader accepts

struct InputFile {
    std::string name;   // "/folder/page.htm", UTF-8
    std::string bytes;  // the file's contents; may be empty
    // Set for each HTML topic: its title in the project's code page, possibly empty. Topics
    // are what a viewer lists in search results; files without it are stored only.
    std::optional<std::string> title;
    // When set, the file's bytes are not held: this reads them once, when the file's turn to be
    // compressed comes (files go in their order, on one thread), and `bytes` is left unused. An
    // error ends the build with it.
    std::function<tess::Result<std::string>()> read;
    // For a long file, instead of both: opens its bytes when its turn comes, to be read a piece
    // at a time from the stream's start, so that they are never held whole.
    std::function<tess::Result<std::shared_ptr<std::istream>>()> open;
};

// A viewer window as a project's [WINDOWS] line defines it. Texts are code page bytes; files
// are names without the leading "/" (as a project spells them).
struct Window {
    std::string name = "main";
    std::string caption;
    std::string contents_file;
    std::string index_file;
    std::string default_topic;
    std::string home_topic;
    uint32_t properties = 0x40320;  // tri-pane, auto-sync, tracking, user position
    uint32_t buttons = 0x304E;      // hide/show, back, forward, home, options, print
    int32_t left = 200, top = 100, right = 900, bottom = 700;
    uint32_t navigation_width = 250;
    uint32_t show_state = 0;
    uint32_t styles = 0, extended_styles = 0;  // the window's own styles; 0 for the viewer's
    std::string jump1_url, jump1_text, jump2_url, jump2_text;  // the two jump buttons
    bool navigation_closed = false;            // the navigation pane starts hidden
    std::optional<uint32_t> default_tab;       // 0 contents, 1 index, 2 search, ...
    std::optional<uint32_t> tab_position;      // 0 top, 1 left, 2 bottom
    uint32_t notify_id = 0;                    // the id of the window's notification messages
};

// A topic the viewer opens for a number (HH_HELP_CONTEXT).
struct ContextId {
    uint32_t id = 0;
    std::string topic;  // a stored file's name, UTF-8, with or without the leading "/"; "#anchor" may follow
};

// The full-text search data is made elsewhere; given here, it is stored and the search flag set.
struct FullTextIndex {
    std::string fifti_main;  // stored as "/$FIftiMain"
    std::string obj_inst;    // stored as "/$OBJINST"
    // When set, "/$FIftiMain" is read from this work file (from its start) instead, so that a
    // large index need not be held.
    std::shared_ptr<std::iostream> fifti_main_file;
};

// A keyword of the binary index: its levels from the top ("Colours", "red" for "Colours, red"),
// UTF-8, and the stored files it leads to.
struct Keyword {
    std::vector<std::string> levels;
    std::vector<std::string> topics;  // stored names, with or without the leading "/"
    std::string see_also;             // UTF-8; when set, the keyword sends to this one instead of topics
};

// An entry of the binary contents, from the top: its name in the project's code page, the
// stored file it opens (empty for a heading) and the entries under it.
struct ContentsEntry {
    std::string name;
    std::string topic;  // a stored name, with or without the leading "/"
    std::vector<ContentsEntry> children;
};

struct Options {
    std::string title;             // code page bytes; shown as the viewer's caption
    std::string default_topic;     // name of a stored file, with or without the leading "/"
    uint32_t language = 0x409;     // a Windows language id, e.g. 0x411 for Japanese
    std::string compiled_name;     // the file's own name without folder and ".chm" ("Dummy")
    std::string contents_file;     // name of a stored sitemap (.hhc); empty for none
    std::string index_file;        // name of a stored index (.hhk); empty for none
    std::string default_font;      // "MS UI Gothic,10,128"; empty for the viewer's choice
    // The project's window; when it has none and there is a contents or index file or a
    // full-text search, a default window is written so that viewers open the navigation pane.
    std::optional<Window> window;
    std::optional<FullTextIndex> full_text;
    // Instead of `full_text`: called once every file has gone to compression, so that the index
    // may be made meanwhile on another thread; an error ends the build with it.
    std::function<tess::Result<FullTextIndex>()> full_text_later;
    // The binary index; empty for none (a viewer then reads the index file alone).
    std::vector<Keyword> keywords;
    // Instead of `keywords`: called once every file has gone to compression, so that a large
    // index is not held meanwhile; an error ends the build with it.
    std::function<tess::Result<KeywordTable>()> keywords_later;
    // The binary contents ("#TOCIDX"); empty for none (a viewer then reads the contents file).
    std::vector<ContentsEntry> contents;
    // Context ids ("#IVB"), in the project's order; a viewer takes the first of an id.
    std::vector<ContextId> context_ids;
    // Compiled files whose contents and index a viewer merges in at run time, as the project
    // names them ("more.chm"), code page bytes; at most 1004.
    std::vector<std::string> merge_files;
    // Viewers read the names the system files hold as text (the start page, the contents and
    // index files, each topic's address) in the language's code page. Given, this turns a
    // stored file's UTF-8 name into that form; unset, names are written as UTF-8.
    std::function<std::string(std::string_view)> name_text;
    // Seconds since 1970 written as the file's time; the caller picks it (e.g. the newest
    // source file's time) so that the output does not depend on the clock.
    uint32_t timestamp = 0;
    // Asked now and then while compressing; once it says yes, building ends with an error.
    std::function<bool()> stopped;
    // Told now and then, in order, how many bytes of the files have been compressed so far.
    std::function<void(uint64_t done)> progress;
    // Threads that compress; 0 takes one per core. The bytes written do not depend on it.
    unsigned threads = 0;
};

// The code page Windows uses for texts of this language (932 for 0x411, 1252 for 0x409).
uint32_t CodePageOf(uint32_t language);

// Checks every name and builds the whole file; an error names the first offending file.
tess::Result<std::string> BuildChm(const Options& options, const std::vector<InputFile>& files);

// The same, written to `out`; the compressed section is held in memory until the end.
tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out);

// The same, holding neither the files nor the compressed section in memory: the section goes
// to `spill` (an empty read-write stream) as it is made and is copied to `out` at the end.
// Memory then grows only with the number of files (their directory entries and topics).
// Nothing goes to `out` before every file is compressed, so a build stopped or failing
// sooner leaves it untouched.
tess::Status WriteChm(const Options& options, const std::vector<InputFile>& files, std::ostream& out,
                      std::iostream& spill);

// Whether the file gets a full-text search (given now or later).
inline bool HasFullText(const Options& options) { return options.full_text || options.full_text_later; }

}  // namespace chm
