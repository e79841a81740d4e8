# Empty custom commands generated dependencies file for tessaline_help.
# This may be replaced when dependencies are built.
