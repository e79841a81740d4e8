# Empty dependencies file for tess_fakes.
# This may be replaced when dependencies are built.
