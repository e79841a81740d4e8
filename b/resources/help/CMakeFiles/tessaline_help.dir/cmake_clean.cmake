file(REMOVE_RECURSE
  "../../Help.chm"
  "CMakeFiles/tessaline_help"
  "pages/Help.hhp"
  "pages/compiler.html"
  "pages/contents.hhc"
  "pages/files.html"
  "pages/index.html"
  "pages/messages.html"
  "pages/options.html"
  "pages/style.css"
  "pages/usage.html"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/tessaline_help.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
