# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/desktop
# Build directory: /work/wt-arch14/b/tests/desktop
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[desktop_main_window_drop]=] "/work/wt-arch14/b/tess_desktop_tests")
set_tests_properties([=[desktop_main_window_drop]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT "120" _BACKTRACE_TRIPLES "/work/wt-arch14/tests/desktop/CMakeLists.txt;10;add_test;/work/wt-arch14/tests/desktop/CMakeLists.txt;0;")
