# Empty compiler generated dependencies file for tess_qt_form_demo.
# This may be replaced when dependencies are built.
