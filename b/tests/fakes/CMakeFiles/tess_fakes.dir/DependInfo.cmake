
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/fakes/fake_compiler.cpp" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_compiler.cpp.o" "gcc" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_compiler.cpp.o.d"
  "/work/wt-arch14/tests/fakes/fake_services.cpp" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_services.cpp.o" "gcc" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_services.cpp.o.d"
  "/work/wt-arch14/tests/fakes/fake_window_system.cpp" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_window_system.cpp.o" "gcc" "tests/fakes/CMakeFiles/tess_fakes.dir/fake_window_system.cpp.o.d"
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
