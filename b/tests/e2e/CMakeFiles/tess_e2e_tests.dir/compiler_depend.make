# Empty compiler generated dependencies file for tess_e2e_tests.
# This may be replaced when dependencies are built.
