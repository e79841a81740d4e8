#include "convert/project_file.h"

#include <array>
#include <string_view>

namespace tess {

namespace {

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

}  // namespace

std::string ProjectFileText(const std::string& folder, const std::string& page) {
    const std::array<std::string, 14> lines = {
        "[Options]",
        "Compatibility = 1.1 Or later",
        "Compiled file=" + folder + kCompiledFileName,
        "Default topic=" + page,
        "Display compile progress=No",
        "Error log file=" + folder + kLogFileName,
        "Language=0x411 日本語",
        "",
        "",
        "[Files]",
        page,
        "",
        "[INFOTYPES]",
        "",
    };
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

Result<std::string> ProjectFileBytes(TextCodec& codec, const std::string& folder, const std::string& page) {
    for (const std::string* path : {&folder, &page}) {
        if (HasControlCharacter(*path))
            return Error{"パスに改行などの制御文字が含まれているため、変換できません: " + *path};
        if (!codec.ToAnsi(*path))
            return Error{"パスにシフトJIS(コードページ932)で表せない文字が含まれているため、変換できません: " + *path};
    }
    auto bytes = codec.ToAnsi(ProjectFileText(folder, page));
    if (!bytes) return bytes.error();
    return std::move(*bytes);
}

Status WriteProjectFile(Files& files, TextCodec& codec, const std::string& folder, const std::string& page) {
    auto bytes = ProjectFileBytes(codec, folder, page);
    if (!bytes) return bytes.error();
    const std::string path = folder + kProjectFileName;
    if (auto written = files.WriteBytes(path, *bytes); !written)
        return Error{"プロジェクトファイルを書き込めませんでした: " + path + "\r\n" + written.error().message};
    return {};
}

}  // namespace tess
