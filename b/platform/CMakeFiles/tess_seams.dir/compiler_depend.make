# Empty compiler generated dependencies file for tess_seams.
# This may be replaced when dependencies are built.
