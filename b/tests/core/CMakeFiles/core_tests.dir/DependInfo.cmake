
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/contract/synthetic_form.cpp" "tests/core/CMakeFiles/core_tests.dir/__/contract/synthetic_form.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/__/contract/synthetic_form.cpp.o.d"
  "/work/wt-arch14/tests/contract/window_contract.cpp" "tests/core/CMakeFiles/core_tests.dir/__/contract/window_contract.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/__/contract/window_contract.cpp.o.d"
  "/work/wt-arch14/tests/core/compiler_location_test.cpp" "tests/core/CMakeFiles/core_tests.dir/compiler_location_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/compiler_location_test.cpp.o.d"
  "/work/wt-arch14/tests/core/drop_run_test.cpp" "tests/core/CMakeFiles/core_tests.dir/drop_run_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/drop_run_test.cpp.o.d"
  "/work/wt-arch14/tests/core/forms_test.cpp" "tests/core/CMakeFiles/core_tests.dir/forms_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/forms_test.cpp.o.d"
  "/work/wt-arch14/tests/core/help_launch_test.cpp" "tests/core/CMakeFiles/core_tests.dir/help_launch_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/help_launch_test.cpp.o.d"
  "/work/wt-arch14/tests/core/main_window_events_test.cpp" "tests/core/CMakeFiles/core_tests.dir/main_window_events_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/main_window_events_test.cpp.o.d"
  "/work/wt-arch14/tests/core/path_names_test.cpp" "tests/core/CMakeFiles/core_tests.dir/path_names_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/path_names_test.cpp.o.d"
  "/work/wt-arch14/tests/core/project_file_test.cpp" "tests/core/CMakeFiles/core_tests.dir/project_file_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/project_file_test.cpp.o.d"
  "/work/wt-arch14/tests/core/window_contract_fake_test.cpp" "tests/core/CMakeFiles/core_tests.dir/window_contract_fake_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/window_contract_fake_test.cpp.o.d"
  "/work/wt-arch14/tests/core/window_geometry_test.cpp" "tests/core/CMakeFiles/core_tests.dir/window_geometry_test.cpp.o" "gcc" "tests/core/CMakeFiles/core_tests.dir/window_geometry_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/tests/fakes/CMakeFiles/tess_fakes.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_platform.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
