# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/hhc
# Build directory: /work/wt-arch14/b/tests/hhc
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/hhc/hhc_unit_tests[1]_include.cmake")
include("/work/wt-arch14/b/tests/hhc/hhc_process_tests[1]_include.cmake")
include("/work/wt-arch14/b/tests/hhc/hhc_protocol_tests[1]_include.cmake")
