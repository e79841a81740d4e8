file(REMOVE_RECURSE
  "CMakeFiles/tessaline_changelog"
  "packaging/changelog.gz"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tessaline_changelog.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
