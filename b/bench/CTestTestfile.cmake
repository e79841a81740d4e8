# CMake generated Testfile for 
# Source directory: /work/wt-arch14/bench
# Build directory: /work/wt-arch14/b/bench
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("chm")
subdirs("convert")
subdirs("hhc")
