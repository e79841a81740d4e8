file(REMOVE_RECURSE
  "../../bench_convert"
  "../../bench_convert.pdb"
  "CMakeFiles/bench_convert.dir/bench_convert.cpp.o"
  "CMakeFiles/bench_convert.dir/bench_convert.cpp.o.d"
  "CMakeFiles/bench_convert.dir/bench_support.cpp.o"
  "CMakeFiles/bench_convert.dir/bench_support.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_convert.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
