# What both Windows cross builds share; the toolchain file of each sets TESS_MINGW_TRIPLE first.
# Debian's mingw-w64 with the POSIX thread model, so the standard library's threads work. The
# runtime is linked statically: nothing to ship beside the .exe.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TESS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESS_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 7 API level; Unicode Win32 calls throughout.
set(CMAKE_C_FLAGS_INIT "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -DUNICODE -D_UNICODE")
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -DUNICODE -D_UNICODE")
# GCC 12 reports false overlaps and uninitialised reads inside inlined std::string code
# (GCC bugs 105329, 105562); they stay warnings, every other warning stays an error.
string(APPEND CMAKE_CXX_FLAGS_INIT " -Wno-error=restrict -Wno-error=maybe-uninitialized")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
