file(REMOVE_RECURSE
  "../../bench_drop"
  "../../bench_drop.pdb"
  "CMakeFiles/bench_drop.dir/bench_drop.cpp.o"
  "CMakeFiles/bench_drop.dir/bench_drop.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_drop.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
