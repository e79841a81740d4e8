
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/tests/contract/synthetic_form.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/__/contract/synthetic_form.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/__/contract/synthetic_form.cpp.o.d"
  "/work/wt-arch14/tests/contract/window_contract.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/__/contract/window_contract.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/__/contract/window_contract.cpp.o.d"
  "/work/wt-arch14/tests/qt/drop_test.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/drop_test.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/drop_test.cpp.o.d"
  "/work/wt-arch14/tests/qt/modal_test.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/modal_test.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/modal_test.cpp.o.d"
  "/work/wt-arch14/tests/qt/qt_contract_driver.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_contract_driver.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_contract_driver.cpp.o.d"
  "/work/wt-arch14/tests/qt/qt_test_main.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_test_main.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_test_main.cpp.o.d"
  "/work/wt-arch14/tests/qt/qt_window_test.cpp" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_window_test.cpp.o" "gcc" "tests/qt/CMakeFiles/tess_qt_window_test.dir/qt_window_test.cpp.o.d"
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
