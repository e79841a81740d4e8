# CMake generated Testfile for 
# Source directory: /work/wt-arch14
# Build directory: /work/wt-arch14/b
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("platform")
subdirs("chm")
subdirs("tools/hhc")
subdirs("resources")
subdirs("resources/help")
subdirs("tests")
subdirs("bench")
