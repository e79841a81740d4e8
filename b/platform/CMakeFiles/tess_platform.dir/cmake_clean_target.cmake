file(REMOVE_RECURSE
  "libtess_platform.a"
)
