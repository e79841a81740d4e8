file(REMOVE_RECURSE
  "CMakeFiles/tess_seams.dir/path_names.cpp.o"
  "CMakeFiles/tess_seams.dir/path_names.cpp.o.d"
  "libtess_seams.a"
  "libtess_seams.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_seams.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
