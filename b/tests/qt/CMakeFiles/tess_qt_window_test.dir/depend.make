# Empty dependencies file for tess_qt_window_test.
# This may be replaced when dependencies are built.
