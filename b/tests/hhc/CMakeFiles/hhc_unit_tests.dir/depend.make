# Empty dependencies file for hhc_unit_tests.
# This may be replaced when dependencies are built.
