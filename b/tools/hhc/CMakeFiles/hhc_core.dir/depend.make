# Empty dependencies file for hhc_core.
# This may be replaced when dependencies are built.
