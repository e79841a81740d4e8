# Empty dependencies file for bench_convert.
# This may be replaced when dependencies are built.
