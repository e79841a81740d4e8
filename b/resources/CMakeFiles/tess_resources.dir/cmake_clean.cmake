file(REMOVE_RECURSE
  "tess_resources_autogen"
  "CMakeFiles/tess_resources.dir/tess_resources_autogen/EWIEGA46WW/qrc_tessaline.cpp.o"
  "CMakeFiles/tess_resources.dir/tess_resources_autogen/EWIEGA46WW/qrc_tessaline.cpp.o.d"
  "tess_resources_autogen/EWIEGA46WW/qrc_tessaline.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tess_resources.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
