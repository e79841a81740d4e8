file(REMOVE_RECURSE
  "../../hhc_unit_tests"
  "../../hhc_unit_tests.pdb"
  "CMakeFiles/hhc_unit_tests.dir/collect_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/collect_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/css_refs_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/css_refs_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/engine_project_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/engine_project_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/engine_verdict_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/engine_verdict_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/held_log_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/held_log_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/html_refs_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/html_refs_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/local_ref_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/local_ref_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/log_text_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/log_text_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/project_test.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/project_test.cpp.o.d"
  "CMakeFiles/hhc_unit_tests.dir/temp_tree.cpp.o"
  "CMakeFiles/hhc_unit_tests.dir/temp_tree.cpp.o.d"
  "hhc_unit_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc_unit_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
