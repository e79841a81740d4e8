# Empty compiler generated dependencies file for chm_container_tests.
# This may be replaced when dependencies are built.
