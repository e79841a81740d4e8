# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/faults
# Build directory: /work/wt-arch14/b/tests/faults
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/faults/tess_fault_tests[1]_include.cmake")
