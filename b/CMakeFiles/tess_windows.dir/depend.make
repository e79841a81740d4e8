# Empty dependencies file for tess_windows.
# This may be replaced when dependencies are built.
