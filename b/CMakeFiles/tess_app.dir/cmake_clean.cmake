file(REMOVE_RECURSE
  "CMakeFiles/tess_app.dir/app/batch_convert.cpp.o"
  "CMakeFiles/tess_app.dir/app/batch_convert.cpp.o.d"
  "CMakeFiles/tess_app.dir/app/form1.cpp.o"
  "CMakeFiles/tess_app.dir/app/form1.cpp.o.d"
  "CMakeFiles/tess_app.dir/app/frmstart.cpp.o"
  "CMakeFiles/tess_app.dir/app/frmstart.cpp.o.d"
  "CMakeFiles/tess_app.dir/app/window_geometry.cpp.o"
  "CMakeFiles/tess_app.dir/app/window_geometry.cpp.o.d"
  "libtess_app.a"
  "libtess_app.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_app.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
