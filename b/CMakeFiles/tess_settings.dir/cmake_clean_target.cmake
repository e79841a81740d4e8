file(REMOVE_RECURSE
  "libtess_settings.a"
)
