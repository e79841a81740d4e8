# Empty compiler generated dependencies file for bench_lzx.
# This may be replaced when dependencies are built.
