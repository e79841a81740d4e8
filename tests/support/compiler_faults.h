// Ways a help compiler lets a page down, and what the user is told for each. The core, end to
// end and fault suites each produce every one of them their own way and expect these words.
#pragma once

namespace tess::testing {

enum class CompilerFault {
    fails,                 // ends after an error line, without "Created"
    crashes,               // dies part way through its log
    ends_without_created,  // writes a compiled file but never says "Created"
    never_writes_log,      // ends before making its log
    hangs,                 // holds its log for ever
    misread_created,       // fails with a line whose code page 932 bytes hold "Created" (イ is 83 43)
    cannot_start,          // the program cannot be started at all
};

struct CompilerFaultCase {
    CompilerFault fault;
    const char* name;
    const char* told;       // the program's own words in the message
    const char* log_shown;  // a piece of the compiler's log the message must carry, or nullptr
};

inline constexpr CompilerFaultCase kCompilerFaults[] = {
    {CompilerFault::fails, "fails", "ヘルプコンパイラーはヘルプファイルを作成できませんでした。ログ:", "HHC5003: Error"},
    {CompilerFault::crashes, "crashes", "ヘルプコンパイラーはヘルプファイルを作成できませんでした。ログ:", nullptr},
    {CompilerFault::ends_without_created, "ends_without_created",
     "ヘルプコンパイラーはヘルプファイルを作成できませんでした。ログ:", nullptr},
    {CompilerFault::never_writes_log, "never_writes_log", "ヘルプコンパイラーがログを作成せずに終了しました。", nullptr},
    {CompilerFault::hangs, "hangs", "ヘルプコンパイラーが制限時間内に終了しませんでした。", nullptr},
    // The bytes fool a search of the log; the missing compiled file does not.
    {CompilerFault::misread_created, "misread_created", "ヘルプコンパイラーは成功を報告しましたが、ヘルプファイルがありません",
     nullptr},
    {CompilerFault::cannot_start, "cannot_start", "ヘルプコンパイラーを起動できませんでした", nullptr},
};

inline const CompilerFaultCase& CaseOf(CompilerFault fault) {
    for (const auto& c : kCompilerFaults)
        if (c.fault == fault) return c;
    return kCompilerFaults[0];
}

}  // namespace tess::testing
