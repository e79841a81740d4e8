file(REMOVE_RECURSE
  "../../hhc_protocol_tests"
  "../../hhc_protocol_tests.pdb"
  "CMakeFiles/hhc_protocol_tests.dir/hhc_runner.cpp.o"
  "CMakeFiles/hhc_protocol_tests.dir/hhc_runner.cpp.o.d"
  "CMakeFiles/hhc_protocol_tests.dir/protocol_test.cpp.o"
  "CMakeFiles/hhc_protocol_tests.dir/protocol_test.cpp.o.d"
  "CMakeFiles/hhc_protocol_tests.dir/temp_tree.cpp.o"
  "CMakeFiles/hhc_protocol_tests.dir/temp_tree.cpp.o.d"
  "hhc_protocol_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc_protocol_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
