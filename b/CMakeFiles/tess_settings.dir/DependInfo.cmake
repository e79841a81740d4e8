
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/settings/compiler_location.cpp" "CMakeFiles/tess_settings.dir/settings/compiler_location.cpp.o" "gcc" "CMakeFiles/tess_settings.dir/settings/compiler_location.cpp.o.d"
  "/work/wt-arch14/settings/settings_store.cpp" "CMakeFiles/tess_settings.dir/settings/settings_store.cpp.o" "gcc" "CMakeFiles/tess_settings.dir/settings/settings_store.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/CMakeFiles/tess_convert.dir/DependInfo.cmake"
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
