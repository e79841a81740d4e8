# Empty dependencies file for tess_window_shots.
# This may be replaced when dependencies are built.
