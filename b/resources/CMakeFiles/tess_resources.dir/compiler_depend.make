# Empty compiler generated dependencies file for tess_resources.
# This may be replaced when dependencies are built.
