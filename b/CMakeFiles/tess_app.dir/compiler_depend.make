# Empty compiler generated dependencies file for tess_app.
# This may be replaced when dependencies are built.
