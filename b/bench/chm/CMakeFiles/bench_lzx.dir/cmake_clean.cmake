file(REMOVE_RECURSE
  "../../bench_lzx"
  "../../bench_lzx.pdb"
  "CMakeFiles/bench_lzx.dir/lzx_bench.cpp.o"
  "CMakeFiles/bench_lzx.dir/lzx_bench.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_lzx.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
