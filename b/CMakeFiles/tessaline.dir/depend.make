# Empty dependencies file for tessaline.
# This may be replaced when dependencies are built.
