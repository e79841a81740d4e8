file(REMOVE_RECURSE
  "../../chm_fulltext_tests"
  "../../chm_fulltext_tests.pdb"
  "CMakeFiles/chm_fulltext_tests.dir/__/hhc/temp_tree.cpp.o"
  "CMakeFiles/chm_fulltext_tests.dir/__/hhc/temp_tree.cpp.o.d"
  "CMakeFiles/chm_fulltext_tests.dir/chm_readers.cpp.o"
  "CMakeFiles/chm_fulltext_tests.dir/chm_readers.cpp.o.d"
  "CMakeFiles/chm_fulltext_tests.dir/fulltext_test.cpp.o"
  "CMakeFiles/chm_fulltext_tests.dir/fulltext_test.cpp.o.d"
  "chm_fulltext_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chm_fulltext_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
