
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/convert/compiler_run.cpp" "CMakeFiles/tess_convert.dir/convert/compiler_run.cpp.o" "gcc" "CMakeFiles/tess_convert.dir/convert/compiler_run.cpp.o.d"
  "/work/wt-arch14/convert/page_conversion.cpp" "CMakeFiles/tess_convert.dir/convert/page_conversion.cpp.o" "gcc" "CMakeFiles/tess_convert.dir/convert/page_conversion.cpp.o.d"
  "/work/wt-arch14/convert/project_file.cpp" "CMakeFiles/tess_convert.dir/convert/project_file.cpp.o" "gcc" "CMakeFiles/tess_convert.dir/convert/project_file.cpp.o.d"
  "/work/wt-arch14/convert/work_folder.cpp" "CMakeFiles/tess_convert.dir/convert/work_folder.cpp.o" "gcc" "CMakeFiles/tess_convert.dir/convert/work_folder.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-arch14/b/platform/CMakeFiles/tess_seams.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
