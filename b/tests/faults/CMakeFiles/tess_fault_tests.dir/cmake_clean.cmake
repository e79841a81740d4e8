file(REMOVE_RECURSE
  "../../tess_fault_tests"
  "../../tess_fault_tests.pdb"
  "CMakeFiles/tess_fault_tests.dir/convert_command.cpp.o"
  "CMakeFiles/tess_fault_tests.dir/convert_command.cpp.o.d"
  "CMakeFiles/tess_fault_tests.dir/convert_faults_test.cpp.o"
  "CMakeFiles/tess_fault_tests.dir/convert_faults_test.cpp.o.d"
  "CMakeFiles/tess_fault_tests.dir/wrong_file_faults_test.cpp.o"
  "CMakeFiles/tess_fault_tests.dir/wrong_file_faults_test.cpp.o.d"
  "tess_fault_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_fault_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
