
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/posix/child_process.cpp" "tests/e2e/CMakeFiles/tess_e2e_tests.dir/__/posix/child_process.cpp.o" "gcc" "tests/e2e/CMakeFiles/tess_e2e_tests.dir/__/posix/child_process.cpp.o.d"
  "/work/wt-arch14/tests/e2e/drop_run_e2e_test.cpp" "tests/e2e/CMakeFiles/tess_e2e_tests.dir/drop_run_e2e_test.cpp.o" "gcc" "tests/e2e/CMakeFiles/tess_e2e_tests.dir/drop_run_e2e_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/tests/fakes/CMakeFiles/tess_fakes.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_platform.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
