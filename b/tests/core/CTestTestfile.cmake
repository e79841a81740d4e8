# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/core
# Build directory: /work/wt-arch14/b/tests/core
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/core/core_tests[1]_include.cmake")
