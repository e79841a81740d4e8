file(REMOVE_RECURSE
  "../../chm_tests"
  "../../chm_tests.pdb"
  "CMakeFiles/chm_tests.dir/lzx_readers.cpp.o"
  "CMakeFiles/chm_tests.dir/lzx_readers.cpp.o.d"
  "CMakeFiles/chm_tests.dir/lzx_test.cpp.o"
  "CMakeFiles/chm_tests.dir/lzx_test.cpp.o.d"
  "chm_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chm_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
