
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/bench/convert/bench_convert.cpp" "bench/convert/CMakeFiles/bench_convert.dir/bench_convert.cpp.o" "gcc" "bench/convert/CMakeFiles/bench_convert.dir/bench_convert.cpp.o.d"
  "/work/wt-arch14/bench/convert/bench_support.cpp" "bench/convert/CMakeFiles/bench_convert.dir/bench_support.cpp.o" "gcc" "bench/convert/CMakeFiles/bench_convert.dir/bench_support.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/platform/CMakeFiles/tess_platform.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
