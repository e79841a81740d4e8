file(REMOVE_RECURSE
  "../../chm_container_tests"
  "../../chm_container_tests.pdb"
  "CMakeFiles/chm_container_tests.dir/__/hhc/temp_tree.cpp.o"
  "CMakeFiles/chm_container_tests.dir/__/hhc/temp_tree.cpp.o.d"
  "CMakeFiles/chm_container_tests.dir/chm_readers.cpp.o"
  "CMakeFiles/chm_container_tests.dir/chm_readers.cpp.o.d"
  "CMakeFiles/chm_container_tests.dir/container_test.cpp.o"
  "CMakeFiles/chm_container_tests.dir/container_test.cpp.o.d"
  "chm_container_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chm_container_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
