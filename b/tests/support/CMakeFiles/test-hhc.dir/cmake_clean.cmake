file(REMOVE_RECURSE
  "../../test-hhc"
  "../../test-hhc.pdb"
  "CMakeFiles/test-hhc.dir/test_hhc.cpp.o"
  "CMakeFiles/test-hhc.dir/test_hhc.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/test-hhc.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
