file(REMOVE_RECURSE
  "CMakeFiles/hhc_core.dir/__/__/platform/posix/iconv_text_codec.cpp.o"
  "CMakeFiles/hhc_core.dir/__/__/platform/posix/iconv_text_codec.cpp.o.d"
  "CMakeFiles/hhc_core.dir/collect.cpp.o"
  "CMakeFiles/hhc_core.dir/collect.cpp.o.d"
  "CMakeFiles/hhc_core.dir/compile.cpp.o"
  "CMakeFiles/hhc_core.dir/compile.cpp.o.d"
  "CMakeFiles/hhc_core.dir/css_refs.cpp.o"
  "CMakeFiles/hhc_core.dir/css_refs.cpp.o.d"
  "CMakeFiles/hhc_core.dir/engine_project.cpp.o"
  "CMakeFiles/hhc_core.dir/engine_project.cpp.o.d"
  "CMakeFiles/hhc_core.dir/engine_verdict.cpp.o"
  "CMakeFiles/hhc_core.dir/engine_verdict.cpp.o.d"
  "CMakeFiles/hhc_core.dir/html_refs.cpp.o"
  "CMakeFiles/hhc_core.dir/html_refs.cpp.o.d"
  "CMakeFiles/hhc_core.dir/local_ref.cpp.o"
  "CMakeFiles/hhc_core.dir/local_ref.cpp.o.d"
  "CMakeFiles/hhc_core.dir/log_line.cpp.o"
  "CMakeFiles/hhc_core.dir/log_line.cpp.o.d"
  "CMakeFiles/hhc_core.dir/log_text.cpp.o"
  "CMakeFiles/hhc_core.dir/log_text.cpp.o.d"
  "CMakeFiles/hhc_core.dir/posix/codec.cpp.o"
  "CMakeFiles/hhc_core.dir/posix/codec.cpp.o.d"
  "CMakeFiles/hhc_core.dir/posix/engine.cpp.o"
  "CMakeFiles/hhc_core.dir/posix/engine.cpp.o.d"
  "CMakeFiles/hhc_core.dir/posix/held_log.cpp.o"
  "CMakeFiles/hhc_core.dir/posix/held_log.cpp.o.d"
  "CMakeFiles/hhc_core.dir/posix/scratch.cpp.o"
  "CMakeFiles/hhc_core.dir/posix/scratch.cpp.o.d"
  "CMakeFiles/hhc_core.dir/project.cpp.o"
  "CMakeFiles/hhc_core.dir/project.cpp.o.d"
  "libhhc_core.a"
  "libhhc_core.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/hhc_core.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
