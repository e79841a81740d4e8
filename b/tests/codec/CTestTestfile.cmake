# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/codec
# Build directory: /work/wt-arch14/b/tests/codec
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt-arch14/b/tests/codec/codec_tests[1]_include.cmake")
