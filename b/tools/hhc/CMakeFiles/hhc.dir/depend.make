# Empty dependencies file for hhc.
# This may be replaced when dependencies are built.
