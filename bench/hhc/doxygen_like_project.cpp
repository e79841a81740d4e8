#include "bench/hhc/doxygen_like_project.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <vector>

#include "bench/hhc/zipf_words.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

constexpr size_t kGroup = 100;  // pages under one heading of the contents
constexpr size_t kMeanPicture = 7000;

std::mt19937 PageRandom(size_t i) { return std::mt19937(static_cast<unsigned>(i * 2654435761u + 12345u)); }

std::string Noise(size_t n, std::mt19937& gen, const std::string& head) {
    std::string s = head;
    while (s.size() < n) s += static_cast<char>(gen());
    return s;
}

// A picture: the signature of its format, then bytes no compressor shrinks.
std::string Picture(size_t n, std::mt19937& gen) { return Noise(n, gen, "\x89PNG\r\n\x1a\n"); }

std::string StyleSheet(const ZipfWords& words, size_t bytes, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s = "/* generated style sheet */\n";
    while (s.size() < bytes) {
        s += "." + words[gen() % 2000] + "-" + words[gen() % 300] + " {\n  margin: " + std::to_string(gen() % 16) +
             "px " + std::to_string(gen() % 24) + "px;\n  color: #" + std::to_string(100000 + gen() % 899999) +
             ";\n  font-size: " + std::to_string(80 + gen() % 60) + "%;\n}\n";
    }
    return s;
}

struct PageNames {
    std::string file;
    std::string klass;   // namespace::Class
    std::string member;  // one of its functions
};

PageNames NamesOf(size_t i, const ZipfWords& words) {
    if (i == 0) return {"index.html", "Main Page", "main"};
    std::mt19937 gen = PageRandom(i);
    const std::string& ns = words[50 + gen() % 200];
    const std::string& cls = words[50 + gen() % 20000];
    const std::string& fn = words[50 + gen() % 20000];
    const std::string n = std::to_string(i);
    return {"class" + ns + "_1_1" + cls + "_" + n + ".html", ns + "::" + cls + n, fn + "_" + n};
}

std::string PictureName(size_t i) { return "fig_" + std::to_string(i) + ".png"; }

std::string Page(size_t i, size_t pages, const PageShape& shape, const ZipfWords& words) {
    std::mt19937 gen = PageRandom(i);
    const PageNames self = NamesOf(i, words);
    gen.discard(8);
    const size_t target = shape.min_bytes + gen() % (shape.max_bytes - shape.min_bytes + 1);
    std::vector<size_t> links = {(i + 1) % pages, (i + pages - 1) % pages};
    for (int k = 2 + static_cast<int>(gen() % 4); k > 0; --k) links.push_back(gen() % pages);
    std::vector<PageNames> targets;
    for (size_t l : links) targets.push_back(NamesOf(l, words));

    std::string h =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"https://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
        "<head>\n<meta http-equiv=\"Content-Type\" content=\"text/xhtml;charset=UTF-8\"/>\n<title>Tessbench: " +
        self.klass + " Class Reference</title>\n<link href=\"tabs.css\" rel=\"stylesheet\" type=\"text/css\"/>\n"
        "<link href=\"doxygen.css\" rel=\"stylesheet\" type=\"text/css\"/>\n</head>\n<body>\n<div id=\"top\">"
        "<div id=\"titlearea\"><table cellspacing=\"0\" cellpadding=\"0\"><tr><td id=\"projectlogo\">"
        "<img alt=\"Logo\" src=\"logo.png\"/></td><td id=\"projectname\">Tessbench</td></tr></table></div>\n"
        "<div class=\"header\"><div class=\"headertitle\"><div class=\"title\">" + self.klass +
        " Class Reference</div></div></div>\n<div class=\"contents\">\n";
    if (i % shape.image_every == 0) h += "<div class=\"image\"><img src=\"" + PictureName(i) + "\" alt=\"Diagram\"/></div>\n";
    const std::string footer = "</div>\n<hr class=\"footer\"/><address class=\"footer\"><small>Generated for a "
                               "benchmark <img class=\"footer\" src=\"closed.png\" alt=\"\"/></small></address>\n"
                               "</body>\n</html>\n";
    size_t next_link = 0;
    while (h.size() + footer.size() < target) {
        const unsigned kind = gen() % 10;
        if (kind < 5) {
            h += "<p>";
            words.AppendProse(h, 150 + gen() % 500, gen);
            h += "</p>\n";
        } else if (kind < 8) {
            const PageNames& t = targets[next_link++ % targets.size()];
            const std::string anchor = "a" + std::to_string(gen() % 100000);
            h += "<tr class=\"memitem:" + anchor + "\"><td class=\"memItemLeft\" align=\"right\" valign=\"top\">" +
                 words[50 + gen() % 400] + "&#160;</td><td class=\"memItemRight\" valign=\"bottom\">"
                 "<a class=\"el\" href=\"" + t.file + "#" + anchor + "\">" + t.member + "</a> (const " +
                 words[50 + gen() % 400] + " *" + words.Draw(gen) + ")</td></tr>\n";
        } else {
            h += "<div class=\"fragment\"><div class=\"line\"><span class=\"keywordtype\">int</span> " +
                 words.Draw(gen) + " = " + self.member + "(" + words.Draw(gen) + ", " + std::to_string(gen() % 4096) +
                 ");</div><div class=\"line\"><img src=\"open.png\" alt=\"\"/> <span class=\"comment\">// ";
            words.AppendProse(h, 40 + gen() % 80, gen);
            h += "</span></div></div>\n";
        }
    }
    return h + footer;
}

std::string Entry(const std::string& name, const std::string& local) {
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\r\n";
}

const char kSitemapHead[] = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML><HEAD></HEAD><BODY>\r\n"
                            "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\">"
                            "</OBJECT>\r\n<UL>\r\n";
const char kSitemapTail[] = "</UL>\r\n</BODY></HTML>\r\n";

}  // namespace

size_t PagesForBytes(std::uintmax_t bytes, const PageShape& shape) {
    const double mean = (shape.min_bytes + shape.max_bytes) / 2.0 + double(kMeanPicture) / double(shape.image_every);
    return std::max<size_t>(2, static_cast<size_t>(double(bytes) / mean));
}

std::string GenerateDoxygenLike(const fs::path& folder, size_t pages, const PageShape& shape, HelpProject& out) {
    static const ZipfWords words;
    out = HelpProject{};
    out.folder = folder;
    out.title = "Tessbench " + std::to_string(pages) + " pages";
    out.default_topic = "index.html";
    out.contents = "index.hhc";
    out.index = "index.hhk";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "cannot make " + folder.string() + ": " + ec.message();
    pages = std::max<size_t>(pages, 2);

    std::string contents = kSitemapHead;
    struct Keyword {
        std::string sort_key, name, local;
    };
    std::vector<Keyword> keywords;
    std::vector<std::string> pictures;
    for (size_t i = 0; i < pages; ++i) {
        const PageNames names = NamesOf(i, words);
        const std::string page = Page(i, pages, shape, words);
        if (!WriteFile(folder / names.file, page)) return "cannot write " + (folder / names.file).string();
        out.files.push_back(names.file);
        out.input_bytes += page.size();
        if (i % shape.image_every == 0) {
            std::mt19937 gen = PageRandom(i + 1000000007u);
            const std::string picture = Picture(2000 + gen() % (2 * kMeanPicture - 4000), gen);
            if (!WriteFile(folder / PictureName(i), picture)) return "cannot write " + PictureName(i);
            pictures.push_back(PictureName(i));
            out.input_bytes += picture.size();
        }
        // Groups of pages under headings, as Doxygen nests namespaces and modules.
        if (i % kGroup == 1) contents += Entry("Group " + std::to_string(i / kGroup), names.file) + "<UL>\r\n";
        contents += Entry(names.klass, names.file);
        if (i % kGroup == 0 && i > 0) contents += "</UL>\r\n";
        keywords.push_back({"", names.klass, names.file});
        keywords.push_back({"", names.member + "()", names.file});
    }
    if ((pages - 1) % kGroup != 0) contents += "</UL>\r\n";
    contents += kSitemapTail;

    std::mt19937 gen(99);
    std::vector<std::pair<std::string, std::string>> shared = {
        {"doxygen.css", StyleSheet(words, 30000, 1)}, {"tabs.css", StyleSheet(words, 6000, 2)},
        {"logo.png", Picture(3500, gen)}, {"closed.png", Picture(130, gen)}, {"open.png", Picture(125, gen)}};
    for (const auto& [name, bytes] : shared) {
        if (!WriteFile(folder / name, bytes)) return "cannot write " + name;
        out.files.push_back(name);
        out.input_bytes += bytes.size();
    }
    out.files.insert(out.files.end(), pictures.begin(), pictures.end());

    for (auto& k : keywords) {
        k.sort_key = k.name;
        for (char& c : k.sort_key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::sort(keywords.begin(), keywords.end(), [](const Keyword& a, const Keyword& b) { return a.sort_key < b.sort_key; });
    std::string index = kSitemapHead;
    for (const auto& k : keywords) index += Entry(k.name, k.local);
    index += kSitemapTail;
    if (!WriteFile(folder / out.contents, contents) || !WriteFile(folder / out.index, index))
        return "cannot write the contents or the index";
    return WriteProjectFile(out);
}

}  // namespace bench
