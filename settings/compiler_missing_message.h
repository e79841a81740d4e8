// The message shown whenever the help compiler cannot be found.
#pragma once

#include "platform/window_system.h"

namespace tess {

inline constexpr const char* kCompilerMissingTitle = "Vellastro";
inline constexpr const char* kCompilerMissingText =
    "『HTML Help Workshop』のインストールが確認できません。\r\n"
    "『HTML Help Workshop』をインストールされていない端末では\r\n"
    "このソフトは実行できません。\r\n"
    "インストール方法は本ソフトウェアのヘルプに記載されています。";

inline void ShowCompilerMissing(WindowSystem& windows, WindowId owner) {
    windows.ShowMessage(kCompilerMissingText, MessageIcon::question, kCompilerMissingTitle, owner);
}

}  // namespace tess
