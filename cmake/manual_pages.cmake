# The manual pages, English and Japanese, compressed as Debian wants them (gzip -9n: the same
# bytes from one build to the next) into share/man/man1 and share/man/ja/man1.
set(TESS_MANUAL_PAGES tessaline tessaline-convert hhc)
set(tess_man_outputs)
foreach(language_dir "" "ja/")
  foreach(page ${TESS_MANUAL_PAGES})
    set(source ${PROJECT_SOURCE_DIR}/man/${language_dir}${page}.1)
    set(output ${CMAKE_BINARY_DIR}/man/${language_dir}man1/${page}.1.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/${language_dir}man1
      COMMAND gzip -9nc ${source} > ${output}
      DEPENDS ${source} VERBATIM)
    list(APPEND tess_man_outputs ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language_dir}man1)
  endforeach()
endforeach()
add_custom_target(tessaline_manual_pages ALL DEPENDS ${tess_man_outputs})
