file(REMOVE_RECURSE
  "libtess_seams.a"
)
