// Compiles a folder of HTML pages with full-text search, so that its index can be set beside
// one made by another compiler from the same pages (fts_dump.py). Pages keep their bytes and
// their <title>; the language is given.
// Usage: fts_folder_chm FOLDER OUT.chm [LANGUAGE, default 0x411]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "chm/fulltext_index.h"

namespace fs = std::filesystem;

namespace {

std::string TitleOf(const std::string& html) {
    std::string lower = html;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    size_t start = lower.find("<title>"), end = lower.find("</title>");
    if (start == std::string::npos || end == std::string::npos || end < start) return {};
    return html.substr(start + 7, end - start - 7);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER OUT.chm [LANGUAGE]\n", argv[0]);
        return 2;
    }
    fs::path root = argv[1];
    uint32_t language = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 0)) : 0x411;
    std::vector<chm::InputFile> files;
    std::vector<fs::path> paths;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && !fs::relative(e.path(), root).generic_string().starts_with("#") && !fs::relative(e.path(), root).generic_string().starts_with("$"))
            paths.push_back(e.path());
    std::sort(paths.begin(), paths.end());
    for (const auto& p : paths) {
        std::ifstream in(p, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string ext = p.extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        std::optional<std::string> title;
        if (ext == ".htm" || ext == ".html") title = TitleOf(bytes);
        files.push_back({"/" + fs::relative(p, root).generic_string(), std::move(bytes), title});
    }
    uint32_t code_page = chm::CodePageOf(language);
    auto index = chm::BuildFullTextIndex(language, code_page, chm::FullTextTopicsOf(files, code_page));
    if (!index) {
        std::fprintf(stderr, "%s\n", index.error().message.c_str());
        return 1;
    }
    chm::Options options;
    options.language = language;
    options.full_text = *index;
    auto bytes = chm::BuildChm(options, files);
    if (!bytes) {
        std::fprintf(stderr, "%s\n", bytes.error().message.c_str());
        return 1;
    }
    std::ofstream(argv[2], std::ios::binary) << *bytes;
    std::printf("%zu files, %zu bytes\n", files.size(), bytes->size());
    return 0;
}
