# Empty compiler generated dependencies file for hhc_process_tests.
# This may be replaced when dependencies are built.
