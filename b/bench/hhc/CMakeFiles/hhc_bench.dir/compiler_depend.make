# Empty compiler generated dependencies file for hhc_bench.
# This may be replaced when dependencies are built.
