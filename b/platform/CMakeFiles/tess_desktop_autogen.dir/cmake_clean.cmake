file(REMOVE_RECURSE
  "CMakeFiles/tess_desktop_autogen"
  "tess_desktop_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tess_desktop_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
