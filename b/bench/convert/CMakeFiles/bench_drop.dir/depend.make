# Empty dependencies file for bench_drop.
# This may be replaced when dependencies are built.
