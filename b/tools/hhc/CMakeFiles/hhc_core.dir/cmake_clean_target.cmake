file(REMOVE_RECURSE
  "libhhc_core.a"
)
