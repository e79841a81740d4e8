file(REMOVE_RECURSE
  "CMakeFiles/tess_convert.dir/convert/compiler_run.cpp.o"
  "CMakeFiles/tess_convert.dir/convert/compiler_run.cpp.o.d"
  "CMakeFiles/tess_convert.dir/convert/page_conversion.cpp.o"
  "CMakeFiles/tess_convert.dir/convert/page_conversion.cpp.o.d"
  "CMakeFiles/tess_convert.dir/convert/project_file.cpp.o"
  "CMakeFiles/tess_convert.dir/convert/project_file.cpp.o.d"
  "CMakeFiles/tess_convert.dir/convert/work_folder.cpp.o"
  "CMakeFiles/tess_convert.dir/convert/work_folder.cpp.o.d"
  "libtess_convert.a"
  "libtess_convert.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_convert.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
