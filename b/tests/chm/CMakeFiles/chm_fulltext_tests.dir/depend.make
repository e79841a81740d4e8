# Empty dependencies file for chm_fulltext_tests.
# This may be replaced when dependencies are built.
