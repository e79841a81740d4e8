
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/posix/child_process.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/child_process.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/child_process.cpp.o.d"
  "/work/wt-arch14/tests/posix/console_entry_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/console_entry_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/console_entry_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_files_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_files_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_files_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_processes_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_processes_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_processes_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_program_info_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_program_info_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_program_info_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_registry_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_registry_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_registry_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_settings_backend_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_settings_backend_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_settings_backend_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/posix_single_instance_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_single_instance_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/posix_single_instance_test.cpp.o.d"
  "/work/wt-arch14/tests/posix/test_hhc_test.cpp" "tests/posix/CMakeFiles/tess_posix_tests.dir/test_hhc_test.cpp.o" "gcc" "tests/posix/CMakeFiles/tess_posix_tests.dir/test_hhc_test.cpp.o.d"
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
