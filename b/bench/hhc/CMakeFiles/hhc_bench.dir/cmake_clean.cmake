file(REMOVE_RECURSE
  "CMakeFiles/hhc_bench.dir/__/__/platform/posix/iconv_text_codec.cpp.o"
  "CMakeFiles/hhc_bench.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "CMakeFiles/hhc_bench.dir/hhc_bench.cpp.o"
  "CMakeFiles/hhc_bench.dir/hhc_bench.cpp.o.d"
  "hhc_bench"
  "hhc_bench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
