file(REMOVE_RECURSE
  "CMakeFiles/fulltext_bench.dir/fulltext_bench.cpp.o"
  "CMakeFiles/fulltext_bench.dir/fulltext_bench.cpp.o.d"
  "fulltext_bench"
  "fulltext_bench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fulltext_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
