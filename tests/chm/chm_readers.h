// Reads a compiled file back with independent readers and compares what they extract.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace chm_test {

// name inside the compiled file ("/a/b.htm") -> bytes
using FileMap = std::map<std::string, std::string>;

// Extracts `chm_path` with extract_chmLib, 7z, chmls and libmspack, each into its own folder
// under `work`, and returns one line for each difference from `expected` (empty: all agree).
// A reader that is missing is a difference too, naming the package to install.
// libmspack extracts in directory order by default, which makes it jump back and forth in the
// compressed section; kContent takes the files in the order of their bytes, which keeps a
// manual of a hundred thousand pages from taking hours.
enum class MspackOrder { kDirectory, kContent };
std::vector<std::string> CompareWithReaders(const std::string& chm_path, const FileMap& expected,
                                            const std::string& work,
                                            MspackOrder mspack_order = MspackOrder::kDirectory);

struct PychmView {
    std::string error;  // empty when pychm opened the file
    std::string title;
    std::string home;
    std::string topics;  // the contents file's bytes as pychm returns them
    std::string index;   // the index file's bytes
};
PychmView ReadWithPychm(const std::string& chm_path, const std::string& work);

// pychm's full-text search (words that start with the query): for each query (code page
// bytes), the topics found, title -> URL.
struct PychmSearch {
    std::string error;  // empty when pychm opened the file
    bool searchable = false;
    std::vector<std::map<std::string, std::string>> found;  // one map per query
};
PychmSearch SearchWithPychm(const std::string& chm_path, const std::vector<std::string>& queries,
                            const std::string& work);

}  // namespace chm_test
