file(REMOVE_RECURSE
  "../../codec_tests"
  "../../codec_tests.pdb"
  "CMakeFiles/codec_tests.dir/__/__/platform/posix/iconv_text_codec.cpp.o"
  "CMakeFiles/codec_tests.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "CMakeFiles/codec_tests.dir/iconv_text_codec_test.cpp.o"
  "CMakeFiles/codec_tests.dir/iconv_text_codec_test.cpp.o.d"
  "codec_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/codec_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
