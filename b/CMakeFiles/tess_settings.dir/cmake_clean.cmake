file(REMOVE_RECURSE
  "CMakeFiles/tess_settings.dir/settings/compiler_location.cpp.o"
  "CMakeFiles/tess_settings.dir/settings/compiler_location.cpp.o.d"
  "CMakeFiles/tess_settings.dir/settings/settings_store.cpp.o"
  "CMakeFiles/tess_settings.dir/settings/settings_store.cpp.o.d"
  "libtess_settings.a"
  "libtess_settings.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_settings.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
