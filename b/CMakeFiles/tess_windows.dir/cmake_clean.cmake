file(REMOVE_RECURSE
  "CMakeFiles/tess_windows.dir/windows/dia_end.cpp.o"
  "CMakeFiles/tess_windows.dir/windows/dia_end.cpp.o.d"
  "CMakeFiles/tess_windows.dir/windows/dialog.cpp.o"
  "CMakeFiles/tess_windows.dir/windows/dialog.cpp.o.d"
  "CMakeFiles/tess_windows.dir/windows/form.cpp.o"
  "CMakeFiles/tess_windows.dir/windows/form.cpp.o.d"
  "CMakeFiles/tess_windows.dir/windows/frm_about.cpp.o"
  "CMakeFiles/tess_windows.dir/windows/frm_about.cpp.o.d"
  "CMakeFiles/tess_windows.dir/windows/help_launch.cpp.o"
  "CMakeFiles/tess_windows.dir/windows/help_launch.cpp.o.d"
  "libtess_windows.a"
  "libtess_windows.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_windows.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
