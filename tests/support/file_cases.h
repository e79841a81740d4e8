// What the Linux and the Windows file services must answer alike. Each suite makes the
// entries its own way (a leading dot or an attribute hides a file) and checks these answers.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tess::testing {

enum class Entry { plain_file, empty_file, read_only_file, hidden_file, folder, missing, in_missing_folder };

// What Exists and IsNormalFile say of an entry.
struct EntryCase {
    Entry entry;
    const char* name;
    bool exists;
    bool normal;
};

inline constexpr EntryCase kEntryCases[] = {
    {Entry::plain_file, "plain_file", true, true},
    {Entry::empty_file, "empty_file", true, true},
    {Entry::read_only_file, "read_only_file", true, true},
    {Entry::hidden_file, "hidden_file", true, false},
    {Entry::folder, "folder", false, false},
    {Entry::missing, "missing", false, false},
    {Entry::in_missing_folder, "in_missing_folder", false, false},
};

// Entries that take a name: CopyNoClobber answers "exists" and leaves each as it was.
inline constexpr EntryCase kTakenCases[] = {
    {Entry::plain_file, "plain_file", true, true},
    {Entry::read_only_file, "read_only_file", true, true},
    {Entry::hidden_file, "hidden_file", true, false},
    {Entry::folder, "folder", false, false},
};

// How ReadLines splits a file's bytes.
struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

inline const LinesCase kLinesCases[] = {
    {"empty", "", {}},
    {"crlf", "a\r\nb\r\n", {"a", "b"}},
    {"lf", "a\nb", {"a", "b"}},
    {"mixed", "one\r\ntwo\nthree\r\n\r\nlast", {"one", "two", "three", "", "last"}},
    {"blank_lines", "\r\n\r\nx", {"", "", "x"}},
    {"lone_cr_kept", "a\rb\n", {"a\rb"}},
    {"double_cr", "a\r\r\n", {"a\r"}},
    {"cp932_bytes", "\x93\xfa\x96\x7b\r\n", {"\x93\xfa\x96\x7b"}},
};

// Names the case in test listings.
inline void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

}  // namespace tess::testing
