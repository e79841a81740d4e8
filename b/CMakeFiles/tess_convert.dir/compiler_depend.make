# Empty compiler generated dependencies file for tess_convert.
# This may be replaced when dependencies are built.
