#include "platform/posix/reg_text.h"

#include <optional>
#include <string>
#include <vector>

namespace tess {

namespace {

constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDword = 4;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Joins lines that end in "\" (the editor wraps long hex lists) and drops CRs.
std::vector<std::string> LogicalLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> lines;
    std::string pending;
    bool continuing = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (continuing) {
            pending += line;
        } else {
            pending.assign(line);
        }
        continuing = !pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos;
        if (continuing) {
            pending.pop_back();
            continue;
        }
        lines.push_back(std::move(pending));
        pending.clear();
    }
    return lines;
}

// A quoted string from `text[pos]` (the opening quote); `pos` ends after the closing one.
std::optional<std::string> QuotedString(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"') return std::nullopt;
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            out += text[++pos];
            continue;
        }
        out += c;
    }
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> HexBytes(std::string_view list) {
    std::string bytes;
    int high = -1;
    for (const char c : list) {
        if (c == ',' || c == ' ' || c == '\t') {
            if (high >= 0) return std::nullopt;
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return bytes;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The editor stores string types as UTF-16LE; the text ends at the first NUL.
std::string Utf16LeText(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low =
                static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::optional<RegValue> ParseData(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
        std::size_t pos = 0;
        auto text = QuotedString(data, pos);
        if (!text || !Trimmed(data.substr(pos)).empty()) return std::nullopt;
        return RegValue{kSz, std::move(*text)};
    }
    if (data.substr(0, 6) == "dword:") {
        const std::string_view digits = data.substr(6);
        if (digits.empty() || digits.size() > 8) return std::nullopt;
        std::uint32_t number = 0;
        for (const char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        std::string bytes;
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
        return RegValue{kDword, std::move(bytes)};
    }
    std::uint32_t type = kBinary;
    std::string_view list;
    if (data.substr(0, 4) == "hex:") {
        list = data.substr(4);
    } else if (data.substr(0, 4) == "hex(") {
        const auto close = data.find("):");
        if (close == std::string_view::npos || close == 4) return std::nullopt;
        type = 0;
        for (const char c : data.substr(4, close - 4)) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            type = type * 16 + static_cast<std::uint32_t>(digit);
        }
        list = data.substr(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = HexBytes(list);
    if (!bytes) return std::nullopt;
    if (type == kSz || type == kExpandSz) return RegValue{type, Utf16LeText(*bytes)};
    return RegValue{type, std::move(*bytes)};
}

void ApplyValueLine(std::string_view line, const std::string& key, RegTree& tree) {
    std::string name;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else {
        auto quoted = QuotedString(line, pos);
        if (!quoted) return;
        name = std::move(*quoted);
    }
    const std::string_view rest = Trimmed(line.substr(pos));
    if (rest.empty() || rest.front() != '=') return;
    const std::string_view data = Trimmed(rest.substr(1));
    if (data == "-") {
        tree.DeleteValue(key, name);
        return;
    }
    if (auto value = ParseData(data)) tree.SetValue(key, name, std::move(*value));
}

}  // namespace

void ApplyRegText(std::string_view text, RegTree& tree) {
    std::string key;  // empty while no key applies (none yet, or a deleted one)
    for (const std::string& line : LogicalLines(text)) {
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            key.clear();
            if (line.back() != ']') continue;
            if (line.size() > 2 && line[1] == '-') {
                tree.DeleteKey(line.substr(2, line.size() - 3));
            } else {
                key = line.substr(1, line.size() - 2);
                tree.AddKey(key);
            }
            continue;
        }
        if (!key.empty() && (line.front() == '"' || line.front() == '@')) ApplyValueLine(line, key, tree);
    }
}

}  // namespace tess
