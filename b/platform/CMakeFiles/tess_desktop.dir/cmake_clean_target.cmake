file(REMOVE_RECURSE
  "libtess_desktop.a"
)
