# Installing on Linux: the program, the batch command, the stand-in compiler and Help.chm
# share one program folder (the program finds its compiler and help beside itself), with
# links in bin/ (hhc's too, for documentation tools that call it by name), a menu entry, the
# icon and the manual pages. Also the .deb (CPack).
set(TESS_PROGRAM_DIR lib/tessaline CACHE STRING "Program folder, relative to the install prefix")

install(TARGETS tessaline tessaline-convert hhc RUNTIME DESTINATION ${TESS_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/Help.chm DESTINATION ${TESS_PROGRAM_DIR})

# Relative links, so a staged or relocated tree stays whole; the program resolves its
# own link to find its folder.
foreach(exe tessaline tessaline-convert hhc)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
         \"\${CMAKE_INSTALL_PREFIX}/${TESS_PROGRAM_DIR}/${exe}\")
    file(REMOVE \"\${bin}/${exe}\")
    file(CREATE_LINK \"\${target}\" \"\${bin}/${exe}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${exe} -> \${target}\")")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/tessaline.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tessaline.svg)
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/rendered/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME tessaline.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/rendered/icon@2x.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME tessaline.png)

include(${PROJECT_SOURCE_DIR}/cmake/manual_pages.cmake)
include(${PROJECT_SOURCE_DIR}/packaging/cpack.cmake)
