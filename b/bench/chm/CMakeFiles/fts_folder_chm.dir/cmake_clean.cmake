file(REMOVE_RECURSE
  "CMakeFiles/fts_folder_chm.dir/fts_folder_chm.cpp.o"
  "CMakeFiles/fts_folder_chm.dir/fts_folder_chm.cpp.o.d"
  "fts_folder_chm"
  "fts_folder_chm.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/fts_folder_chm.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
