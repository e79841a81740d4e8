# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/posix
# Build directory: /work/wt-arch14/b/tests/posix
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/posix/tess_posix_tests[1]_include.cmake")
