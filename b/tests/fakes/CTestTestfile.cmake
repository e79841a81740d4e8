# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/fakes
# Build directory: /work/wt-arch14/b/tests/fakes
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
