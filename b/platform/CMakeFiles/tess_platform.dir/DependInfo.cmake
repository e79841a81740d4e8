
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/platform/console/console_window_system.cpp" "platform/CMakeFiles/tess_platform.dir/console/console_window_system.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/console/console_window_system.cpp.o.d"
  "/work/wt-arch14/platform/posix/atomic_replace.cpp" "platform/CMakeFiles/tess_platform.dir/posix/atomic_replace.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/atomic_replace.cpp.o.d"
  "/work/wt-arch14/platform/posix/console_entry.cpp" "platform/CMakeFiles/tess_platform.dir/posix/console_entry.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/console_entry.cpp.o.d"
  "/work/wt-arch14/platform/posix/fd_io.cpp" "platform/CMakeFiles/tess_platform.dir/posix/fd_io.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/fd_io.cpp.o.d"
  "/work/wt-arch14/platform/posix/iconv_text_codec.cpp" "platform/CMakeFiles/tess_platform.dir/posix/iconv_text_codec.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/iconv_text_codec.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_clock.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_clock.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_clock.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_files.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_files.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_files.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_processes.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_processes.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_processes.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_program_info.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_program_info.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_program_info.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_registry.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_registry.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_registry.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_services.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_services.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_services.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_settings_backend.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_settings_backend.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_settings_backend.cpp.o.d"
  "/work/wt-arch14/platform/posix/posix_single_instance.cpp" "platform/CMakeFiles/tess_platform.dir/posix/posix_single_instance.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/posix_single_instance.cpp.o.d"
  "/work/wt-arch14/platform/posix/reg_text.cpp" "platform/CMakeFiles/tess_platform.dir/posix/reg_text.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/reg_text.cpp.o.d"
  "/work/wt-arch14/platform/posix/reg_tree.cpp" "platform/CMakeFiles/tess_platform.dir/posix/reg_tree.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/reg_tree.cpp.o.d"
  "/work/wt-arch14/platform/posix/settings_text.cpp" "platform/CMakeFiles/tess_platform.dir/posix/settings_text.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/settings_text.cpp.o.d"
  "/work/wt-arch14/platform/posix/stop_signals.cpp" "platform/CMakeFiles/tess_platform.dir/posix/stop_signals.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/stop_signals.cpp.o.d"
  "/work/wt-arch14/platform/posix/xdg_folders.cpp" "platform/CMakeFiles/tess_platform.dir/posix/xdg_folders.cpp.o" "gcc" "platform/CMakeFiles/tess_platform.dir/posix/xdg_folders.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
