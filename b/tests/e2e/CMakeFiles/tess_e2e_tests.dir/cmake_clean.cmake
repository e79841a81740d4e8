file(REMOVE_RECURSE
  "../../tess_e2e_tests"
  "../../tess_e2e_tests.pdb"
  "CMakeFiles/tess_e2e_tests.dir/__/posix/child_process.cpp.o"
  "CMakeFiles/tess_e2e_tests.dir/__/posix/child_process.cpp.o.d"
  "CMakeFiles/tess_e2e_tests.dir/drop_run_e2e_test.cpp.o"
  "CMakeFiles/tess_e2e_tests.dir/drop_run_e2e_test.cpp.o.d"
  "tess_e2e_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_e2e_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
