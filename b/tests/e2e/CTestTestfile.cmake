# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/e2e
# Build directory: /work/wt-arch14/b/tests/e2e
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/e2e/tess_e2e_tests[1]_include.cmake")
