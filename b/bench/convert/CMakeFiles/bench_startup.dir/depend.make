# Empty dependencies file for bench_startup.
# This may be replaced when dependencies are built.
