file(REMOVE_RECURSE
  "libtess_windows.a"
)
