#include "bench/hhc/help_project.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

namespace bench {

namespace fs = std::filesystem;

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string WriteProjectFile(const HelpProject& p) {
    std::string text = "[OPTIONS]\r\nCompatibility=1.1 or later\r\nCompiled file=" + std::string(HelpProject::kCompiledName) +
                       "\r\n";
    if (!p.contents.empty()) text += "Contents file=" + p.contents + "\r\n";
    text += "Default Window=main\r\nDefault topic=" + p.default_topic + "\r\nDisplay compile progress=No\r\n"
            "Full-text search=Yes\r\n";
    if (!p.index.empty()) text += "Index file=" + p.index + "\r\n";
    text += "Language=0x409 English (United States)\r\nTitle=" + p.title + "\r\n\r\n[WINDOWS]\r\nmain=\"" + p.title +
            "\",\"" + p.contents + "\",\"" + p.index + "\",\"" + p.default_topic + "\",\"" + p.default_topic +
            "\",,,,,0x23520,,0x10387e,,,,,,,,0\r\n\r\n[FILES]\r\n";
    for (const auto& f : p.files) text += f + "\r\n";
    if (!WriteFile(p.ProjectPath(), text)) return "cannot write " + p.ProjectPath().string();
    return "";
}

std::string FlatContents(const std::vector<TopicEntry>& topics) {
    std::string s = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML><HEAD></HEAD><BODY>\r\n"
                    "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT>\r\n<UL>\r\n";
    for (const auto& t : topics)
        s += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + t.name +
             "\"><param name=\"Local\" value=\"" + t.local + "\"></OBJECT>\r\n";
    return s + "</UL>\r\n</BODY></HTML>\r\n";
}

namespace {

std::string TitleOf(const std::string& html, const std::string& fallback) {
    const size_t open = html.find("<title>");
    const size_t close = open == std::string::npos ? open : html.find("</title>", open);
    if (close == std::string::npos) return fallback;
    std::string t = html.substr(open + 7, close - open - 7);
    std::replace_if(t.begin(), t.end(), [](char c) { return c == '\n' || c == '\r' || c == '"'; }, ' ');
    return t.empty() ? fallback : t;
}

}  // namespace

std::string ProjectOfFolder(const fs::path& source, const fs::path& folder, const std::string& title,
                            HelpProject& out) {
    static const std::set<std::string> kKinds = {".html", ".htm", ".css", ".js", ".png", ".gif", ".jpg", ".svg"};
    if (!fs::is_regular_file(source / "index.html")) return source.string() + "/index.html is missing";
    out = HelpProject{};
    out.folder = folder;
    out.title = title;
    out.default_topic = "index.html";
    out.contents = "contents.hhc";
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::recursive_directory_iterator it(source, ec), end; it != end && !ec; it.increment(ec)) {
        if (!fs::is_regular_file(it->path()) || !kKinds.count(it->path().extension().string())) continue;
        names.push_back(fs::relative(it->path(), source).generic_string());
    }
    if (ec) return "cannot list " + source.string() + ": " + ec.message();
    std::sort(names.begin(), names.end());
    std::vector<TopicEntry> topics;
    for (const auto& name : names) {
        const fs::path target = folder / name;
        fs::create_directories(target.parent_path(), ec);
        // A link is copied as the file it names: chmcmd and hhc then see the same bytes.
        if (ec || !fs::copy_file(source / name, target, fs::copy_options::overwrite_existing, ec))
            return "cannot copy " + name + ": " + ec.message();
        out.files.push_back(name);
        out.input_bytes += fs::file_size(target);
        const std::string ext = target.extension().string();
        if (ext == ".html" || ext == ".htm") topics.push_back({TitleOf(ReadFile(target), name), name});
    }
    if (!WriteFile(folder / out.contents, FlatContents(topics))) return "cannot write the contents file";
    return WriteProjectFile(out);
}

}  // namespace bench
