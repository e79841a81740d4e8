// A help project on disk as the benchmarks hand it to the compilers: one folder holding the
// project file and every file it names, by relative names (chmcmd takes no other).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct HelpProject {
    std::filesystem::path folder;
    std::string title;
    std::string default_topic;
    std::vector<std::string> files;  // [FILES] in order, '/' between folders
    std::string contents;            // the .hhc's name, or empty
    std::string index;               // the .hhk's name, or empty
    std::uintmax_t input_bytes = 0;  // the files of [FILES] together

    static constexpr const char* kProjectName = "project.hhp";
    static constexpr const char* kCompiledName = "project.chm";
    std::filesystem::path ProjectPath() const { return folder / kProjectName; }
    std::filesystem::path CompiledPath() const { return folder / kCompiledName; }
};

// Writes the project file as a documentation generator does: search on, progress off.
// Gives "" or why it could not.
std::string WriteProjectFile(const HelpProject& project);

// One entry of a contents file.
struct TopicEntry {
    std::string name;
    std::string local;
};
// A flat contents file of `topics`.
std::string FlatContents(const std::vector<TopicEntry>& topics);

// A copy of the pages, pictures, style sheets and scripts under `source` (links followed) into
// `folder`, every one named in [FILES], with a contents file of the pages by their titles.
// Gives "" or why it could not.
std::string ProjectOfFolder(const std::filesystem::path& source, const std::filesystem::path& folder,
                            const std::string& title, HelpProject& out);

bool WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace bench
