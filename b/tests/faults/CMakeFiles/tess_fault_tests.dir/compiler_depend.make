# Empty compiler generated dependencies file for tess_fault_tests.
# This may be replaced when dependencies are built.
