file(REMOVE_RECURSE
  "../../tess_qt_window_test"
  "../../tess_qt_window_test.pdb"
  "CMakeFiles/tess_qt_window_test.dir/__/contract/synthetic_form.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/__/contract/synthetic_form.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/__/contract/window_contract.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/__/contract/window_contract.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/drop_test.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/drop_test.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/modal_test.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/modal_test.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/qt_contract_driver.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/qt_contract_driver.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/qt_test_main.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/qt_test_main.cpp.o.d"
  "CMakeFiles/tess_qt_window_test.dir/qt_window_test.cpp.o"
  "CMakeFiles/tess_qt_window_test.dir/qt_window_test.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_qt_window_test.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
