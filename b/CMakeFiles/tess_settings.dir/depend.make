# Empty dependencies file for tess_settings.
# This may be replaced when dependencies are built.
