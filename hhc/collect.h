// Gathers the page and the local files it needs, within the page's folder tree, read in
// place. Everything left out is named with the reason.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"

namespace hhc {

struct CollectedFile {
    std::string name;    // inside the tree, "/" syntax, as the pages spell it
    // The file's contents, held only for text popups (which are rewritten before they are
    // stored); any other file, contents and index files too, is read again from `source` when it
    // is wanted, so that a project's pages never need to fit in memory at once.
    std::string bytes;
    bool held = false;
    std::uint64_t size = 0;  // bytes, when gathered
    bool page = false;   // an HTML page: a topic of the compiled file
    std::string title;   // a page's own <title>, UTF-8; its file name when it has none
    std::string source;  // the file read, a full path
    bool titled = true;  // false when `title` is only the file's name
};

struct LeftOut {
    std::string name;    // as the pages spell it (relative to the tree, or the reference itself)
    std::string reason;  // a sentence: "it was not found."
    bool listed = false; // named by the project (its reason then reads after the name: "does not exist.")
};

struct Collection {
    std::string root;                 // the tree's folder
    std::vector<CollectedFile> files; // the named files first in their order, the default topic first
    std::vector<LeftOut> left_out;
    std::int64_t newest_time = 0;     // the newest file's modification time, seconds since 1970
};

// The file's contents: held, or read from its source now.
tess::Result<std::string> ReadCollected(const CollectedFile& file);
// A file read whole, the error naming it.
tess::Result<std::string> ReadSource(const std::string& source);

// No limit unless a caller sets one: a project takes every file its pages refer to.
inline constexpr size_t kMaxFiles = SIZE_MAX;

// Follows linked pages of the tree and the style sheets' own references. Fails only when
// the page itself cannot be taken.
tess::Result<Collection> CollectFiles(const std::string& page_path, size_t max_files = kMaxFiles);

// The same for several named files of the tree under `root` (full paths, the default
// topic first, a contents file among them if any). The default topic must be there, readable
// and storable; any other named file that is not, or lies outside the tree, is left out and
// named, as are files they refer to that cannot be taken. Files are read and scanned on
// `threads` threads (at least one); what is gathered does not depend on it.
tess::Result<Collection> CollectTree(const std::string& root, const std::vector<std::string>& named,
                                     size_t max_files = kMaxFiles, unsigned threads = 1);

// A file's name inside the tree under `root`, in "/" syntax; starts with ".." when the
// file lies outside.
std::string TreeName(const std::string& root, const std::string& path);

// The deepest folder that holds all the files (full paths).
std::string CommonFolder(const std::vector<std::string>& paths);

// The tree a project's references may reach: the project's folder; but the default topic's own
// folder when the topic lies outside the project's folder, as in the program's own projects,
// which sit in a work folder and name a page elsewhere.
std::string ProjectRoot(const std::string& project_path, const std::string& default_topic);

}  // namespace hhc
