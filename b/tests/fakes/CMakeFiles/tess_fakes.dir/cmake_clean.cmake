file(REMOVE_RECURSE
  "CMakeFiles/tess_fakes.dir/fake_compiler.cpp.o"
  "CMakeFiles/tess_fakes.dir/fake_compiler.cpp.o.d"
  "CMakeFiles/tess_fakes.dir/fake_services.cpp.o"
  "CMakeFiles/tess_fakes.dir/fake_services.cpp.o.d"
  "CMakeFiles/tess_fakes.dir/fake_window_system.cpp.o"
  "CMakeFiles/tess_fakes.dir/fake_window_system.cpp.o.d"
  "libtess_fakes.a"
  "libtess_fakes.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_fakes.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
