file(REMOVE_RECURSE
  "CMakeFiles/tess_chm.dir/code_page.cpp.o"
  "CMakeFiles/tess_chm.dir/code_page.cpp.o.d"
  "CMakeFiles/tess_chm.dir/container.cpp.o"
  "CMakeFiles/tess_chm.dir/container.cpp.o.d"
  "CMakeFiles/tess_chm.dir/directory.cpp.o"
  "CMakeFiles/tess_chm.dir/directory.cpp.o.d"
  "CMakeFiles/tess_chm.dir/fulltext_index.cpp.o"
  "CMakeFiles/tess_chm.dir/fulltext_index.cpp.o.d"
  "CMakeFiles/tess_chm.dir/fulltext_objinst.cpp.o"
  "CMakeFiles/tess_chm.dir/fulltext_objinst.cpp.o.d"
  "CMakeFiles/tess_chm.dir/fulltext_words.cpp.o"
  "CMakeFiles/tess_chm.dir/fulltext_words.cpp.o.d"
  "CMakeFiles/tess_chm.dir/html_text.cpp.o"
  "CMakeFiles/tess_chm.dir/html_text.cpp.o.d"
  "CMakeFiles/tess_chm.dir/lzx.cpp.o"
  "CMakeFiles/tess_chm.dir/lzx.cpp.o.d"
  "CMakeFiles/tess_chm.dir/lzx_block_writer.cpp.o"
  "CMakeFiles/tess_chm.dir/lzx_block_writer.cpp.o.d"
  "CMakeFiles/tess_chm.dir/lzx_huffman.cpp.o"
  "CMakeFiles/tess_chm.dir/lzx_huffman.cpp.o.d"
  "CMakeFiles/tess_chm.dir/lzx_match_finder.cpp.o"
  "CMakeFiles/tess_chm.dir/lzx_match_finder.cpp.o.d"
  "CMakeFiles/tess_chm.dir/names.cpp.o"
  "CMakeFiles/tess_chm.dir/names.cpp.o.d"
  "CMakeFiles/tess_chm.dir/system_files.cpp.o"
  "CMakeFiles/tess_chm.dir/system_files.cpp.o.d"
  "CMakeFiles/tess_chm.dir/wlc_encoding.cpp.o"
  "CMakeFiles/tess_chm.dir/wlc_encoding.cpp.o.d"
  "CMakeFiles/tess_chm.dir/writer.cpp.o"
  "CMakeFiles/tess_chm.dir/writer.cpp.o.d"
  "libtess_chm.a"
  "libtess_chm.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_chm.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
