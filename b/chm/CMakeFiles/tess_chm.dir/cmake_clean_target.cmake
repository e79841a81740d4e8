file(REMOVE_RECURSE
  "libtess_chm.a"
)
