# Empty compiler generated dependencies file for tess_chm.
# This may be replaced when dependencies are built.
