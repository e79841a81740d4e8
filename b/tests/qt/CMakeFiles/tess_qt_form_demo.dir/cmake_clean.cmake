file(REMOVE_RECURSE
  "../../tess_qt_form_demo"
  "../../tess_qt_form_demo.pdb"
  "CMakeFiles/tess_qt_form_demo.dir/__/contract/synthetic_form.cpp.o"
  "CMakeFiles/tess_qt_form_demo.dir/__/contract/synthetic_form.cpp.o.d"
  "CMakeFiles/tess_qt_form_demo.dir/form_demo.cpp.o"
  "CMakeFiles/tess_qt_form_demo.dir/form_demo.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_qt_form_demo.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
