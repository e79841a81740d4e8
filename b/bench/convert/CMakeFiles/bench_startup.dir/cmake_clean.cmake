file(REMOVE_RECURSE
  "../../bench_startup"
  "../../bench_startup.pdb"
  "CMakeFiles/bench_startup.dir/bench_startup.cpp.o"
  "CMakeFiles/bench_startup.dir/bench_startup.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_startup.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
