file(REMOVE_RECURSE
  "libtess_app.a"
)
