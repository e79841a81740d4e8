# CMake generated Testfile for 
# Source directory: /work/wt-arch14/bench/convert
# Build directory: /work/wt-arch14/b/bench/convert
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
