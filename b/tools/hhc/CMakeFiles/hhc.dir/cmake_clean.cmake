file(REMOVE_RECURSE
  "../../hhc"
  "../../hhc.pdb"
  "CMakeFiles/hhc.dir/main.cpp.o"
  "CMakeFiles/hhc.dir/main.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
