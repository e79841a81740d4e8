
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-arch14/chm/code_page.cpp" "chm/CMakeFiles/tess_chm.dir/code_page.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/code_page.cpp.o.d"
  "/work/wt-arch14/chm/container.cpp" "chm/CMakeFiles/tess_chm.dir/container.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/container.cpp.o.d"
  "/work/wt-arch14/chm/directory.cpp" "chm/CMakeFiles/tess_chm.dir/directory.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/directory.cpp.o.d"
  "/work/wt-arch14/chm/fulltext_index.cpp" "chm/CMakeFiles/tess_chm.dir/fulltext_index.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/fulltext_index.cpp.o.d"
  "/work/wt-arch14/chm/fulltext_objinst.cpp" "chm/CMakeFiles/tess_chm.dir/fulltext_objinst.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/fulltext_objinst.cpp.o.d"
  "/work/wt-arch14/chm/fulltext_words.cpp" "chm/CMakeFiles/tess_chm.dir/fulltext_words.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/fulltext_words.cpp.o.d"
  "/work/wt-arch14/chm/html_text.cpp" "chm/CMakeFiles/tess_chm.dir/html_text.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/html_text.cpp.o.d"
  "/work/wt-arch14/chm/lzx.cpp" "chm/CMakeFiles/tess_chm.dir/lzx.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/lzx.cpp.o.d"
  "/work/wt-arch14/chm/lzx_block_writer.cpp" "chm/CMakeFiles/tess_chm.dir/lzx_block_writer.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/lzx_block_writer.cpp.o.d"
  "/work/wt-arch14/chm/lzx_huffman.cpp" "chm/CMakeFiles/tess_chm.dir/lzx_huffman.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/lzx_huffman.cpp.o.d"
  "/work/wt-arch14/chm/lzx_match_finder.cpp" "chm/CMakeFiles/tess_chm.dir/lzx_match_finder.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/lzx_match_finder.cpp.o.d"
  "/work/wt-arch14/chm/names.cpp" "chm/CMakeFiles/tess_chm.dir/names.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/names.cpp.o.d"
  "/work/wt-arch14/chm/system_files.cpp" "chm/CMakeFiles/tess_chm.dir/system_files.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/system_files.cpp.o.d"
  "/work/wt-arch14/chm/wlc_encoding.cpp" "chm/CMakeFiles/tess_chm.dir/wlc_encoding.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/wlc_encoding.cpp.o.d"
  "/work/wt-arch14/chm/writer.cpp" "chm/CMakeFiles/tess_chm.dir/writer.cpp.o" "gcc" "chm/CMakeFiles/tess_chm.dir/writer.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
