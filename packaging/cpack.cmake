# The Debian package: `cpack -G DEB` in a build folder configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package does both).
set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR "Tessaline developers")
set(CPACK_PACKAGE_CONTACT "Tessaline developers <tessaline@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turns HTML pages into compiled HTML Help (.chm) files")
set(CPACK_PACKAGE_DESCRIPTION "Drop HTML pages on the window (Japanese interface) and a .chm file
appears beside each page. Brings a batch command, tessaline-convert, and its
own help compiler, hhc, which writes the compiled file itself and also takes
the HTML Help projects of documentation tools such as Sphinx and Doxygen.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), xdg-utils")
# Okular reads .chm only through okular-extra-backends; it is the viewer docs/viewers.md found
# right for our files. xchm is lighter but misreads pages that name UTF-8 by <meta charset>.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, okular, okular-extra-backends")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")

# What Debian asks of every package: the copyright file and the changelog (gzip -9n, so the
# package is the same from one build to the next).
set(TESS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tessaline)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(tessaline_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${TESS_DOC_DIR})

include(CPack)
