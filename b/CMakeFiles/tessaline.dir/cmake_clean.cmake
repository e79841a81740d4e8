file(REMOVE_RECURSE
  "CMakeFiles/tessaline.dir/app/main/tessaline.cpp.o"
  "CMakeFiles/tessaline.dir/app/main/tessaline.cpp.o.d"
  "tessaline"
  "tessaline.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tessaline.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
