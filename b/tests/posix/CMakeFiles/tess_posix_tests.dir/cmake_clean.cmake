file(REMOVE_RECURSE
  "../../tess_posix_tests"
  "../../tess_posix_tests.pdb"
  "CMakeFiles/tess_posix_tests.dir/child_process.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/child_process.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/console_entry_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/console_entry_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_files_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_files_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_processes_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_processes_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_program_info_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_program_info_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_registry_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_registry_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_settings_backend_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_settings_backend_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/posix_single_instance_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/posix_single_instance_test.cpp.o.d"
  "CMakeFiles/tess_posix_tests.dir/test_hhc_test.cpp.o"
  "CMakeFiles/tess_posix_tests.dir/test_hhc_test.cpp.o.d"
  "tess_posix_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_posix_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
