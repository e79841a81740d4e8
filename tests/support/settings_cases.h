// Values both settings stores must give back exactly as written, and the reads of what was
// never written. Each suite runs them on its own store.
#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/settings_backend.h"

namespace tess::testing {

struct ValueCase {
    const char* name;
    std::string value;
};

inline const ValueCase kSettingsValues[] = {
    {"empty", ""},
    {"word", "OFF"},
    {"equals", "a=b==c="},
    {"brackets", "[x]"},
    {"lone_bracket", "]"},
    {"backslashes", "C:\\Program Files\\HTML Help Workshop\\"},
    {"escape_lookalike", "\\n\\x41\\\\"},
    {"lf", "\n"},
    {"crlf", "one\r\ntwo\r\n"},
    {"lone_cr", "\r"},
    {"japanese", "C:\\ヘルプ ワークショップ\\利用者/表示.htm"},
    {"blanks_around", "  padded  "},
    {"only_blank", " "},
    {"tab", "\tx\t"},
    {"comment_marks", ";not a comment # either"},
};

// Names the case in test listings.
inline void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

// The value comes back byte for byte, and the one written after it is not disturbed.
inline void CheckRoundTrip(SettingsBackend& writer, SettingsBackend& reader, const std::string& app,
                           const std::string& value) {
    ASSERT_TRUE(writer.Set(app, "info", "InstallPath", value).ok());
    ASSERT_TRUE(writer.Set(app, "info", "After", "kept").ok());
    EXPECT_EQ(reader.Get(app, "info", "InstallPath"), value);
    EXPECT_EQ(reader.Get(app, "info", "After"), "kept");
}

// A later write replaces the value, an empty one included; what was never written reads "".
inline void CheckReplaceAndMissing(SettingsBackend& settings, const std::string& app) {
    EXPECT_EQ(settings.Get(app, "info", "Message"), "");
    ASSERT_TRUE(settings.Set(app, "info", "Message", "ON").ok());
    ASSERT_TRUE(settings.Set(app, "info", "Message", "OFF").ok());
    EXPECT_EQ(settings.Get(app, "info", "Message"), "OFF");
    EXPECT_EQ(settings.Get(app, "info", "StartSplash"), "");
    EXPECT_EQ(settings.Get(app, "other", "Message"), "");
    EXPECT_EQ(settings.Get(app + "x", "info", "Message"), "");
    ASSERT_TRUE(settings.Set(app, "info", "Message", "").ok());
    EXPECT_EQ(settings.Get(app, "info", "Message"), "");
}

}  // namespace tess::testing
