file(REMOVE_RECURSE
  "../../tess_desktop_tests"
  "../../tess_desktop_tests.pdb"
  "CMakeFiles/tess_desktop_tests.dir/main_window_drop_test.cpp.o"
  "CMakeFiles/tess_desktop_tests.dir/main_window_drop_test.cpp.o.d"
  "CMakeFiles/tess_desktop_tests.dir/main_window_events_test.cpp.o"
  "CMakeFiles/tess_desktop_tests.dir/main_window_events_test.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_desktop_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
