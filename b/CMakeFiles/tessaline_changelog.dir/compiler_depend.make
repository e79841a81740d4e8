# Empty custom commands generated dependencies file for tessaline_changelog.
# This may be replaced when dependencies are built.
