# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests
# Build directory: /work/wt-arch14/b/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("chm")
subdirs("codec")
subdirs("core")
subdirs("desktop")
subdirs("e2e")
subdirs("fakes")
subdirs("faults")
subdirs("hhc")
subdirs("install")
subdirs("posix")
subdirs("qt")
subdirs("support")
subdirs("win32")
subdirs("win32_hhc")
