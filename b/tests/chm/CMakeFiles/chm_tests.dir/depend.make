# Empty dependencies file for chm_tests.
# This may be replaced when dependencies are built.
