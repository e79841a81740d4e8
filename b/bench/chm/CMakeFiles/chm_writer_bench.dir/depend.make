# Empty dependencies file for chm_writer_bench.
# This may be replaced when dependencies are built.
