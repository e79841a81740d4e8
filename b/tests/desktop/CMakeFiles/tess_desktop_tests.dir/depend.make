# Empty dependencies file for tess_desktop_tests.
# This may be replaced when dependencies are built.
