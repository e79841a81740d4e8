
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/platform/qt/caption_fit.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/caption_fit.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/caption_fit.cpp.o.d"
  "/work/wt-arch14/platform/qt/caption_text.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/caption_text.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/caption_text.cpp.o.d"
  "/work/wt-arch14/platform/qt/desktop_entry.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/desktop_entry.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/desktop_entry.cpp.o.d"
  "/work/wt-arch14/platform/qt/drop_frame.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/drop_frame.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/drop_frame.cpp.o.d"
  "/work/wt-arch14/platform/qt/fonts.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/fonts.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/fonts.cpp.o.d"
  "/work/wt-arch14/platform/qt/form_controls.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/form_controls.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/form_controls.cpp.o.d"
  "/work/wt-arch14/platform/qt/form_window.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/form_window.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/form_window.cpp.o.d"
  "/work/wt-arch14/platform/qt/input_gate.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/input_gate.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/input_gate.cpp.o.d"
  "/work/wt-arch14/platform/qt/line_widget.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/line_widget.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/line_widget.cpp.o.d"
  "/work/wt-arch14/platform/qt/message_box.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/message_box.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/message_box.cpp.o.d"
  "/work/wt-arch14/platform/qt/program_pictures.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/program_pictures.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/program_pictures.cpp.o.d"
  "/work/wt-arch14/platform/qt/qt_window_system.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/qt_window_system.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/qt_window_system.cpp.o.d"
  "/work/wt-arch14/platform/qt/round_region.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/round_region.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/round_region.cpp.o.d"
  "/work/wt-arch14/platform/qt/table_label.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/table_label.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/table_label.cpp.o.d"
  "/work/wt-arch14/platform/qt/twips_scale.cpp" "platform/CMakeFiles/tess_desktop.dir/qt/twips_scale.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/qt/twips_scale.cpp.o.d"
  "/work/wt-arch14/b/platform/tess_desktop_autogen/mocs_compilation.cpp" "platform/CMakeFiles/tess_desktop.dir/tess_desktop_autogen/mocs_compilation.cpp.o" "gcc" "platform/CMakeFiles/tess_desktop.dir/tess_desktop_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/platform/CMakeFiles/tess_platform.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
