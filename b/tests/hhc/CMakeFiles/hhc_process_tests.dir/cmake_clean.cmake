file(REMOVE_RECURSE
  "../../hhc_process_tests"
  "../../hhc_process_tests.pdb"
  "CMakeFiles/hhc_process_tests.dir/__/__/platform/posix/iconv_text_codec.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "CMakeFiles/hhc_process_tests.dir/compile_test.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/compile_test.cpp.o.d"
  "CMakeFiles/hhc_process_tests.dir/failure_test.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/failure_test.cpp.o.d"
  "CMakeFiles/hhc_process_tests.dir/hhc_runner.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/hhc_runner.cpp.o.d"
  "CMakeFiles/hhc_process_tests.dir/lock_test.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/lock_test.cpp.o.d"
  "CMakeFiles/hhc_process_tests.dir/temp_tree.cpp.o"
  "CMakeFiles/hhc_process_tests.dir/temp_tree.cpp.o.d"
  "hhc_process_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc_process_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
