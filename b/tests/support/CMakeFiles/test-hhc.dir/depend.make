# Empty dependencies file for test-hhc.
# This may be replaced when dependencies are built.
