# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/chm
# Build directory: /work/wt-arch14/b/tests/chm
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/chm/chm_tests[1]_include.cmake")
include("/work/wt-arch14/b/tests/chm/chm_container_tests[1]_include.cmake")
include("/work/wt-arch14/b/tests/chm/chm_fulltext_tests[1]_include.cmake")
