# Empty compiler generated dependencies file for tess_posix_tests.
# This may be replaced when dependencies are built.
