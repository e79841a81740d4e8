file(REMOVE_RECURSE
  "libtess_fakes.a"
)
