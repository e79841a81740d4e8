file(REMOVE_RECURSE
  "CMakeFiles/tessaline-convert.dir/app/main/tessaline_convert.cpp.o"
  "CMakeFiles/tessaline-convert.dir/app/main/tessaline_convert.cpp.o.d"
  "tessaline-convert"
  "tessaline-convert.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tessaline-convert.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
