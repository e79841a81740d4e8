# Empty compiler generated dependencies file for fulltext_bench.
# This may be replaced when dependencies are built.
