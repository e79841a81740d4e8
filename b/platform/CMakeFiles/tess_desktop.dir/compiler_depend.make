# Empty compiler generated dependencies file for tess_desktop.
# This may be replaced when dependencies are built.
