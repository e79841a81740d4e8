
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/hhc/temp_tree.cpp" "tests/chm/CMakeFiles/chm_container_tests.dir/__/hhc/temp_tree.cpp.o" "gcc" "tests/chm/CMakeFiles/chm_container_tests.dir/__/hhc/temp_tree.cpp.o.d"
  "/work/wt-arch14/tests/chm/chm_readers.cpp" "tests/chm/CMakeFiles/chm_container_tests.dir/chm_readers.cpp.o" "gcc" "tests/chm/CMakeFiles/chm_container_tests.dir/chm_readers.cpp.o.d"
  "/work/wt-arch14/tests/chm/container_test.cpp" "tests/chm/CMakeFiles/chm_container_tests.dir/container_test.cpp.o" "gcc" "tests/chm/CMakeFiles/chm_container_tests.dir/container_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/chm/CMakeFiles/tess_chm.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
