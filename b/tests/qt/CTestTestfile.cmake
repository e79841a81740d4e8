# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/qt
# Build directory: /work/wt-arch14/b/tests/qt
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[qt_window_contract]=] "/work/wt-arch14/b/tess_qt_window_test")
set_tests_properties([=[qt_window_contract]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TESS_EXPECT_TWIPS_PER_PIXEL=15" TIMEOUT "120" _BACKTRACE_TRIPLES "/work/wt-arch14/tests/qt/CMakeLists.txt;26;add_test;/work/wt-arch14/tests/qt/CMakeLists.txt;0;")
add_test([=[qt_window_contract_120dpi]=] "/work/wt-arch14/b/tess_qt_window_test")
set_tests_properties([=[qt_window_contract_120dpi]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=/work/wt-arch14/tests/qt/offscreen-120dpi.json;QT_ENABLE_HIGHDPI_SCALING=0;TESS_EXPECT_TWIPS_PER_PIXEL=12" TIMEOUT "120" _BACKTRACE_TRIPLES "/work/wt-arch14/tests/qt/CMakeLists.txt;31;add_test;/work/wt-arch14/tests/qt/CMakeLists.txt;0;")
