# Empty dependencies file for fts_folder_chm.
# This may be replaced when dependencies are built.
