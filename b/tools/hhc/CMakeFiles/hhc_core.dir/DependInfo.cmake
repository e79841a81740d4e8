
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/platform/posix/iconv_text_codec.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/__/__/platform/posix/iconv_text_codec.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "/work/wt-arch14/tools/hhc/collect.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/collect.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/collect.cpp.o.d"
  "/work/wt-arch14/tools/hhc/compile.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/compile.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/compile.cpp.o.d"
  "/work/wt-arch14/tools/hhc/css_refs.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/css_refs.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/css_refs.cpp.o.d"
  "/work/wt-arch14/tools/hhc/engine_project.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/engine_project.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/engine_project.cpp.o.d"
  "/work/wt-arch14/tools/hhc/engine_verdict.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/engine_verdict.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/engine_verdict.cpp.o.d"
  "/work/wt-arch14/tools/hhc/html_refs.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/html_refs.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/html_refs.cpp.o.d"
  "/work/wt-arch14/tools/hhc/local_ref.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/local_ref.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/local_ref.cpp.o.d"
  "/work/wt-arch14/tools/hhc/log_line.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/log_line.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/log_line.cpp.o.d"
  "/work/wt-arch14/tools/hhc/log_text.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/log_text.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/log_text.cpp.o.d"
  "/work/wt-arch14/tools/hhc/posix/codec.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/posix/codec.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/posix/codec.cpp.o.d"
  "/work/wt-arch14/tools/hhc/posix/engine.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/posix/engine.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/posix/engine.cpp.o.d"
  "/work/wt-arch14/tools/hhc/posix/held_log.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/posix/held_log.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/posix/held_log.cpp.o.d"
  "/work/wt-arch14/tools/hhc/posix/scratch.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/posix/scratch.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/posix/scratch.cpp.o.d"
  "/work/wt-arch14/tools/hhc/project.cpp" "tools/hhc/CMakeFiles/hhc_core.dir/project.cpp.o" "gcc" "tools/hhc/CMakeFiles/hhc_core.dir/project.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
