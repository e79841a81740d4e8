file(REMOVE_RECURSE
  "CMakeFiles/chm_writer_bench.dir/chm_writer_bench.cpp.o"
  "CMakeFiles/chm_writer_bench.dir/chm_writer_bench.cpp.o.d"
  "chm_writer_bench"
  "chm_writer_bench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/chm_writer_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
