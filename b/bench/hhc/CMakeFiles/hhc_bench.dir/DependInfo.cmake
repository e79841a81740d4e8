
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/platform/posix/iconv_text_codec.cpp" "bench/hhc/CMakeFiles/hhc_bench.dir/__/__/platform/posix/iconv_text_codec.cpp.o" "gcc" "bench/hhc/CMakeFiles/hhc_bench.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "/work/wt-arch14/bench/hhc/hhc_bench.cpp" "bench/hhc/CMakeFiles/hhc_bench.dir/hhc_bench.cpp.o" "gcc" "bench/hhc/CMakeFiles/hhc_bench.dir/hhc_bench.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
