
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/hhc/hhc_runner.cpp" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/hhc_runner.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/hhc_runner.cpp.o.d"
  "/work/wt-arch14/tests/hhc/protocol_test.cpp" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/protocol_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/protocol_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/temp_tree.cpp" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/temp_tree.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_protocol_tests.dir/temp_tree.cpp.o.d"
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
