#include "hhc/navigation.h"

#include <algorithm>

#include "chm/names.h"
#include "hhc/codec.h"
#include "hhc/project_windows.h"
#include "hhc/sitemap.h"
#include "hhc/sitemap_encoding.h"
#include "hhc/text_encoding.h"

namespace hhc {
namespace {

std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return s;
}

// The window the viewer opens: the one the project names as default, else its first.
std::optional<chm::Window> ChosenWindow(const Project& project, std::vector<std::string>& warnings) {
    std::optional<chm::Window> first, chosen;
    for (const auto& line : project.windows) {
        auto window = ParseWindowLine(line);
        if (!window) {
            warnings.push_back("Warning: the window " + line + " cannot be read (" +
                               window.error().message + ") and was ignored.");
            continue;
        }
        if (!first) first = *window;
        if (!chosen && !project.default_window.empty() &&
            AsciiLower(window->name) == AsciiLower(project.default_window))
            chosen = *window;
    }
    if (!project.default_window.empty() && !chosen)
        warnings.push_back("Warning: the default window " + project.default_window +
                           " is not defined; " + (first ? "the first window is used." : "none is used."));
    return chosen ? chosen : first;
}

std::string ResolveIfSet(const std::string& project_text,
                         const std::function<std::string(const std::string&)>& resolve) {
    return project_text.empty() ? std::string() : resolve(project_text);
}

std::string BaseName(const std::string& name) {
    size_t slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

Navigation NavigationOf(const Project& project, const std::function<std::string(const std::string&)>& resolve) {
    Navigation n;
    n.contents = ResolveIfSet(project.contents_file, resolve);
    n.index = ResolveIfSet(project.index_file, resolve);
    n.window = ChosenWindow(project, n.warnings);
    if (n.window) {
        chm::Window& w = *n.window;
        for (std::string* file : {&w.contents_file, &w.index_file, &w.default_topic, &w.home_topic})
            *file = ResolveIfSet(*file, resolve);
        // One named by the window alone is still the file's contents or index; one named by
        // the project alone is shown in the window.
        if (n.contents.empty()) n.contents = w.contents_file;
        if (w.contents_file.empty()) w.contents_file = n.contents;
        if (n.index.empty()) n.index = w.index_file;
        if (w.index_file.empty()) w.index_file = n.index;
        for (const std::string* file : {&w.contents_file, &w.index_file, &w.default_topic, &w.home_topic})
            if (!file->empty()) n.named.push_back(*file);
    }
    for (const std::string* file : {&n.contents, &n.index})
        if (!file->empty() && std::find(n.named.begin(), n.named.end(), *file) == n.named.end())
            n.named.push_back(*file);
    return n;
}

void ForgetLeftOut(const Collection& collection, Navigation& navigation) {
    auto forget = [&](std::string& path) {
        for (const auto& left : collection.left_out)
            if (left.listed && left.name == path) path.clear();
    };
    forget(navigation.contents);
    forget(navigation.index);
    if (!navigation.window) return;
    for (std::string* file : {&navigation.window->contents_file, &navigation.window->index_file,
                              &navigation.window->default_topic, &navigation.window->home_topic})
        forget(*file);
}

std::string UnusedName(const std::vector<chm::InputFile>& inputs, const std::string& stem, const std::string& ext) {
    for (int i = 1;; ++i) {
        std::string name = "/" + stem + (i == 1 ? "" : std::to_string(i)) + ext;
        bool taken = std::any_of(inputs.begin(), inputs.end(),
                                 [&](const chm::InputFile& f) { return chm::NameEqualIgnoringCase(f.name, name); });
        if (!taken) return name;
    }
}

void ApplyNavigation(const Navigation& navigation, const Collection& collection, uint32_t code_page,
                     chm::Options& options, std::vector<chm::InputFile>& inputs) {
    auto inside = [&](const std::string& full) {
        return full.empty() ? std::string() : TreeName(collection.root, full);
    };
    options.contents_file = inside(navigation.contents);
    options.index_file = inside(navigation.index);
    if (navigation.window) {
        chm::Window w = *navigation.window;
        // The window's files are read by name as the viewer spells them.
        for (std::string* file : {&w.contents_file, &w.index_file}) *file = options.name_text(inside(*file));
        for (std::string* topic : {&w.default_topic, &w.home_topic})
            *topic = topic->empty() ? std::string() : options.name_text(chm::UrlOf(inside(*topic)));
        if (w.default_topic.empty()) w.default_topic = options.name_text(chm::UrlOf(options.default_topic));
        if (w.home_topic.empty()) w.home_topic = w.default_topic;
        w.caption = w.caption.empty() ? options.title : ToCodePage(w.caption, code_page);
        for (std::string* text : {&w.jump1_text, &w.jump2_text})
            *text = ToCodePage(*text, code_page);
        options.window = std::move(w);
    }
    // Read in the code page by the viewer, whatever the author kept them in; one read from its
    // source is put so as it is read.
    for (auto& f : inputs) {
        std::string lower = AsciiLower(f.name);
        if (!lower.ends_with(".hhc") && !lower.ends_with(".hhk")) continue;
        if (!f.read) {
            if (auto stored = SitemapInCodePage(f.bytes, code_page)) f.bytes = std::move(*stored);
            continue;
        }
        f.read = [read = std::move(f.read), code_page]() -> tess::Result<std::string> {
            auto bytes = read();
            if (!bytes) return bytes;
            if (auto stored = SitemapInCodePage(*bytes, code_page)) return std::move(*stored);
            return bytes;
        };
    }
    size_t pages = std::count_if(inputs.begin(), inputs.end(), [](const chm::InputFile& f) { return f.title.has_value(); });
    if (!options.contents_file.empty() || pages < 2) return;
    std::vector<SitemapItem> items;
    for (const auto& f : inputs) {
        if (!f.title) continue;
        std::string name = f.name.substr(1);
        std::string title = f.title->empty() ? NameInCodePage(BaseName(name), code_page) : *f.title;
        items.push_back({title, options.name_text(name)});
    }
    std::string name = UnusedName(inputs, "contents", ".hhc");
    inputs.push_back({name, WriteSitemap(items), std::nullopt});
    options.contents_file = name;
}

}  // namespace hhc
