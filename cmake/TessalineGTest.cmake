# GoogleTest for the cross builds: compiled from Debian's own sources (package googletest),
# since no Windows build of it is packaged.
if(TARGET GTest::gtest)
  return()
endif()

set(TESS_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${TESS_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${TESS_GTEST_SOURCE} (apt-get install googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TESS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Third-party code: our warnings-as-errors are not its business.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
