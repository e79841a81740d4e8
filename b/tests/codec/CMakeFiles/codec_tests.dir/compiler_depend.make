# Empty compiler generated dependencies file for codec_tests.
# This may be replaced when dependencies are built.
