# Empty compiler generated dependencies file for hhc_protocol_tests.
# This may be replaced when dependencies are built.
