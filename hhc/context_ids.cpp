#include "hhc/context_ids.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>

#include "platform/text.h"

namespace hhc {
namespace {

constexpr int kMaxIncludeDepth = 32;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// C and C++ comments become blanks; line breaks stay, so that lines keep their numbers.
std::string WithoutComments(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "/*") == 0) {
            size_t end = text.find("*/", i + 2);
            end = end == std::string_view::npos ? text.size() : end + 2;
            for (; i < end; ++i) out.push_back(text[i] == '\n' ? '\n' : ' ');
        } else if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') ++i;
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(Trim(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

// "12", "0x0C", "(12)", "12u", "0x0CUL"; nothing for anything else or a value above 32 bits.
std::optional<uint32_t> NumberOf(std::string_view s) {
    s = Trim(s);
    while (s.size() >= 2 && s.front() == '(' && s.back() == ')') s = Trim(s.substr(1, s.size() - 2));
    while (!s.empty() && (s.back() == 'u' || s.back() == 'U' || s.back() == 'l' || s.back() == 'L')) s.remove_suffix(1);
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : s) {
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : -1;
        if (digit < 0) return std::nullopt;
        value = value * base + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

// The next word of `s` (up to a blank), taken off it.
std::string_view NextWord(std::string_view& s) {
    s = Trim(s);
    size_t end = 0;
    while (end < s.size() && !std::isspace(static_cast<unsigned char>(s[end]))) ++end;
    std::string_view word = s.substr(0, end);
    s = Trim(s.substr(end));
    return word;
}

// "#include <a.h>", "# include "a.h"": the directive's name, and its argument left in `rest`.
std::string Directive(std::string_view line, std::string_view& rest) {
    rest = Trim(line.substr(1));
    size_t end = 0;
    while (end < rest.size() && std::isalpha(static_cast<unsigned char>(rest[end]))) ++end;
    std::string name = tess::AsciiLowered(rest.substr(0, end));
    rest = Trim(rest.substr(end));
    return name;
}

std::string IncludedName(std::string_view arg) {
    arg = Trim(arg);
    if (arg.size() >= 2 && ((arg.front() == '"' && arg.back() == '"') || (arg.front() == '<' && arg.back() == '>')))
        arg = Trim(arg.substr(1, arg.size() - 2));
    std::string name(arg);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string Normal(const std::string& path) {
    return std::filesystem::path(path).lexically_normal().generic_string();
}

bool IsName(std::string_view s) {
    return !s.empty() && std::none_of(s.begin(), s.end(), [](unsigned char c) { return std::isspace(c) || c == '"'; });
}

struct Defined {
    std::string name;
    uint32_t id;
};

class Parser {
public:
    explicit Parser(const ReadIncluded& read) : read_(read) {}

    void ParseMap(std::string_view text, const std::string& origin, int depth) {
        std::string clean = WithoutComments(text);
        auto lines = LinesOf(clean);
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string_view line = lines[i];
            if (line.empty() || line.front() == ';') continue;
            std::string where = origin.empty() ? "[MAP]" : origin + " line " + std::to_string(i + 1);
            if (line.front() == '#') {
                std::string_view rest;
                std::string directive = Directive(line, rest);
                if (directive == "define") Define(rest, where);
                else if (directive == "include") Include(rest, origin, depth, where, true);
                continue;  // any other directive means nothing here
            }
            size_t eq = line.find('=');
            std::string_view name = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(0, eq));
            std::string_view value = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(eq + 1));
            if (size_t semi = value.find(';'); semi != std::string_view::npos) value = Trim(value.substr(0, semi));
            auto id = NumberOf(value);
            if (!IsName(name) || !id) {
                // A header may hold C declarations besides its numbers.
                if (origin.empty())
                    Warn("the [MAP] line \"" + std::string(line) + "\" is neither #define NAME number nor NAME=number; it was ignored.");
                continue;
            }
            Add(name, *id, where);
        }
    }

    void ParseAlias(std::string_view text, const std::string& origin, int depth) {
        std::string clean = WithoutComments(text);
        auto lines = LinesOf(clean);
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string_view line = lines[i];
            if (line.empty() || line.front() == ';') continue;
            std::string where = origin.empty() ? "[ALIAS]" : origin + " line " + std::to_string(i + 1);
            if (line.front() == '#') {
                std::string_view rest;
                if (Directive(line, rest) == "include") Include(rest, origin, depth, where, false);
                continue;
            }
            size_t eq = line.find('=');
            std::string_view name = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(0, eq));
            std::string target = eq == std::string_view::npos ? std::string() : std::string(Trim(line.substr(eq + 1)));
            if (name.empty() || target.empty()) {
                Warn("the alias line \"" + std::string(line) + "\" (" + where + ") is not NAME=file; it was ignored.");
                continue;
            }
            std::replace(target.begin(), target.end(), '\\', '/');
            ContextAlias alias{std::string(name), 0, target, {}};
            if (size_t hash = target.find('#'); hash != std::string::npos) {
                alias.file = target.substr(0, hash);
                alias.anchor = target.substr(hash);
            }
            auto [it, added] = alias_index_.try_emplace(tess::AsciiLowered(name), aliases_.size());
            if (!added) {
                const ContextAlias& first = aliases_[it->second];
                if (tess::AsciiLowered(first.file + first.anchor) != tess::AsciiLowered(alias.file + alias.anchor))
                    Warn("the alias " + alias.name + " is given twice (" + where + "); its first topic " + first.file +
                         first.anchor + " is kept.");
                continue;
            }
            aliases_.push_back(std::move(alias));
        }
    }

    ContextIds Resolve() {
        ContextIds out;
        std::set<std::string> used;
        std::map<uint32_t, std::string> taken;  // id -> the alias that has it
        for (auto& alias : aliases_) {
            std::string key = tess::AsciiLowered(alias.name);
            auto d = defined_.find(key);
            if (d == defined_.end()) {
                Warn("the alias " + alias.name + " has no number in [MAP]; HH_HELP_CONTEXT cannot open " + alias.file +
                     alias.anchor + " by it.");
                continue;
            }
            used.insert(key);
            alias.id = d->second.id;
            auto [t, added] = taken.try_emplace(alias.id, alias.name);
            if (!added) {
                Warn("the context id " + std::to_string(alias.id) + " is given to both " + t->second + " and " +
                     alias.name + "; it opens the topic of " + t->second + ".");
                continue;
            }
            out.aliases.push_back(alias);
        }
        for (const auto& name : order_) {
            if (used.count(tess::AsciiLowered(name))) continue;
            const Defined& d = defined_.at(tess::AsciiLowered(name));
            Warn("the context id " + d.name + " (" + std::to_string(d.id) + ") has no alias in [ALIAS]; the viewer opens no topic for it.");
        }
        out.warnings = std::move(warnings_);
        return out;
    }

private:
    void Warn(std::string text) { warnings_.push_back("Warning: " + std::move(text)); }

    void Define(std::string_view rest, const std::string& where) {
        std::string_view name = NextWord(rest);
        if (!IsName(name) || rest.empty()) return;  // include guards and the like
        auto id = NumberOf(rest);
        if (!id) {
            // One name may stand for another defined before it.
            auto other = defined_.find(tess::AsciiLowered(Trim(rest)));
            if (other == defined_.end()) return;
            id = other->second.id;
        }
        Add(name, *id, where);
    }

    void Add(std::string_view name, uint32_t id, const std::string& where) {
        auto [it, added] = defined_.try_emplace(tess::AsciiLowered(name), Defined{std::string(name), id});
        if (added) {
            order_.emplace_back(name);
        } else if (it->second.id != id) {
            Warn(std::string(name) + " is given the number " + std::to_string(id) + " (" + where + ") after " +
                 std::to_string(it->second.id) + "; " + std::to_string(it->second.id) + " is kept.");
        }
    }

    void Include(std::string_view arg, const std::string& from, int depth, const std::string& where, bool map) {
        std::string name = IncludedName(arg);
        if (name.empty()) {
            Warn("the #include at " + where + " names no file; it was ignored.");
            return;
        }
        std::vector<std::string> tries;
        if (!FolderOf(from).empty()) tries.push_back(Normal(FolderOf(from) + name));
        tries.push_back(Normal(name));
        for (const auto& path : tries) {
            if (open_.count(tess::AsciiLowered(path))) {
                Warn("the file " + path + " includes itself (" + where + "); the #include was ignored.");
                return;
            }
        }
        if (depth >= kMaxIncludeDepth) {
            Warn("the #include of " + name + " at " + where + " is nested too deeply; it was ignored.");
            return;
        }
        for (const auto& path : tries) {
            // A header read once has nothing new the second time (C headers guard against
            // it); reading it again at every #include grows as two to the depth.
            const std::string key = (map ? "map:" : "alias:") + tess::AsciiLowered(path);
            if (read_once_.count(key)) return;
            auto text = read_(path);
            if (!text) continue;
            read_once_.insert(key);
            open_.insert(tess::AsciiLowered(path));
            if (map) ParseMap(*text, path, depth + 1);
            else ParseAlias(*text, path, depth + 1);
            open_.erase(tess::AsciiLowered(path));
            return;
        }
        Warn("the file " + name + " included at " + where + " was not found.");
    }

    const ReadIncluded& read_;
    std::map<std::string, Defined> defined_;  // lower-case name ->
    std::vector<std::string> order_;          // names in the order defined
    std::vector<ContextAlias> aliases_;
    std::map<std::string, size_t> alias_index_;
    std::set<std::string> open_;              // lower-case paths being read
    std::set<std::string> read_once_;         // section and lower-case path of each header read
    std::vector<std::string> warnings_;
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

}  // namespace

ContextIds ParseContextIds(const std::vector<std::string>& map_lines, const std::vector<std::string>& alias_lines,
                           const ReadIncluded& read) {
    Parser parser(read);
    parser.ParseMap(Joined(map_lines), "", 0);
    parser.ParseAlias(Joined(alias_lines), "", 0);
    return parser.Resolve();
}

}  // namespace hhc
