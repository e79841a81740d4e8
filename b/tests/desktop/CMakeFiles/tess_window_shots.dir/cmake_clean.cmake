file(REMOVE_RECURSE
  "../../tess_window_shots"
  "../../tess_window_shots.pdb"
  "CMakeFiles/tess_window_shots.dir/window_shots.cpp.o"
  "CMakeFiles/tess_window_shots.dir/window_shots.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_window_shots.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
