# CMake generated Testfile for 
# Source directory: /work/wt-arch14/tests/install
# Build directory: /work/wt-arch14/b/tests/install
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[install.staged_layout]=] "bash" "/work/wt-arch14/tests/install/staged_install_test.sh" "/work/wt-arch14/b" "/work/wt-arch14" "lib/tessaline" "index.html" "usage.html" "options.html" "compiler.html" "messages.html" "files.html" "style.css" "contents.hhc")
set_tests_properties([=[install.staged_layout]=] PROPERTIES  TIMEOUT "120" _BACKTRACE_TRIPLES "/work/wt-arch14/tests/install/CMakeLists.txt;5;add_test;/work/wt-arch14/tests/install/CMakeLists.txt;0;")
