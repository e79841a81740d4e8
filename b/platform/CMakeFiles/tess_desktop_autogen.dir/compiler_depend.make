# Empty custom commands generated dependencies file for tess_desktop_autogen.
# This may be replaced when dependencies are built.
