# Empty compiler generated dependencies file for tess_platform.
# This may be replaced when dependencies are built.
