file(REMOVE_RECURSE
  "libtess_convert.a"
)
