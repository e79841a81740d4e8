
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/hhc/collect_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/collect_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/collect_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/css_refs_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/css_refs_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/css_refs_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/engine_project_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/engine_project_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/engine_project_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/engine_verdict_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/engine_verdict_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/engine_verdict_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/held_log_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/held_log_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/held_log_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/html_refs_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/html_refs_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/html_refs_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/local_ref_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/local_ref_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/local_ref_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/log_text_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/log_text_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/log_text_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/project_test.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/project_test.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/project_test.cpp.o.d"
  "/work/wt-arch14/tests/hhc/temp_tree.cpp" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/temp_tree.cpp.o" "gcc" "tests/hhc/CMakeFiles/hhc_unit_tests.dir/temp_tree.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/tools/hhc/CMakeFiles/hhc_core.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
