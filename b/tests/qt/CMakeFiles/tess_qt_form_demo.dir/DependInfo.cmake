
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/contract/synthetic_form.cpp" "tests/qt/CMakeFiles/tess_qt_form_demo.dir/__/contract/synthetic_form.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_form_demo.dir/__/contract/synthetic_form.cpp.o.d"
  "/work/wt-arch14/tests/qt/form_demo.cpp" "tests/qt/CMakeFiles/tess_qt_form_demo.dir/form_demo.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_form_demo.dir/form_demo.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/platform/CMakeFiles/tess_desktop.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_app.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_windows.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_settings.dir/DependInfo.cmake"
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_platform.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
