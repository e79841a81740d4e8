
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/windows/dia_end.cpp" "CMakeFiles/tess_windows.dir/windows/dia_end.cpp.o" "gcc" "CMakeFiles/tess_windows.dir/windows/dia_end.cpp.o.d"
  "/work/wt-arch14/windows/dialog.cpp" "CMakeFiles/tess_windows.dir/windows/dialog.cpp.o" "gcc" "CMakeFiles/tess_windows.dir/windows/dialog.cpp.o.d"
  "/work/wt-arch14/windows/form.cpp" "CMakeFiles/tess_windows.dir/windows/form.cpp.o" "gcc" "CMakeFiles/tess_windows.dir/windows/form.cpp.o.d"
  "/work/wt-arch14/windows/frm_about.cpp" "CMakeFiles/tess_windows.dir/windows/frm_about.cpp.o" "gcc" "CMakeFiles/tess_windows.dir/windows/frm_about.cpp.o.d"
  "/work/wt-arch14/windows/help_launch.cpp" "CMakeFiles/tess_windows.dir/windows/help_launch.cpp.o" "gcc" "CMakeFiles/tess_windows.dir/windows/help_launch.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
