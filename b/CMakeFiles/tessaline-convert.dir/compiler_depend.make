# Empty compiler generated dependencies file for tessaline-convert.
# This may be replaced when dependencies are built.
