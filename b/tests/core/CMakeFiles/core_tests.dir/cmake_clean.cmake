file(REMOVE_RECURSE
  "../../core_tests"
  "../../core_tests.pdb"
  "CMakeFiles/core_tests.dir/__/contract/synthetic_form.cpp.o"
  "CMakeFiles/core_tests.dir/__/contract/synthetic_form.cpp.o.d"
  "CMakeFiles/core_tests.dir/__/contract/window_contract.cpp.o"
  "CMakeFiles/core_tests.dir/__/contract/window_contract.cpp.o.d"
  "CMakeFiles/core_tests.dir/compiler_location_test.cpp.o"
  "CMakeFiles/core_tests.dir/compiler_location_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/drop_run_test.cpp.o"
  "CMakeFiles/core_tests.dir/drop_run_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/forms_test.cpp.o"
  "CMakeFiles/core_tests.dir/forms_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/help_launch_test.cpp.o"
  "CMakeFiles/core_tests.dir/help_launch_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/main_window_events_test.cpp.o"
  "CMakeFiles/core_tests.dir/main_window_events_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/path_names_test.cpp.o"
  "CMakeFiles/core_tests.dir/path_names_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/project_file_test.cpp.o"
  "CMakeFiles/core_tests.dir/project_file_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/window_contract_fake_test.cpp.o"
  "CMakeFiles/core_tests.dir/window_contract_fake_test.cpp.o.d"
  "CMakeFiles/core_tests.dir/window_geometry_test.cpp.o"
  "CMakeFiles/core_tests.dir/window_geometry_test.cpp.o.d"
  "core_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/core_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
