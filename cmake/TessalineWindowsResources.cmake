# Adds the Windows resource script (icon, button pictures, version record, manifest) to a target.
# Pictures are taken when their .ico files exist, so a missing one never breaks the build.
function(tess_add_windows_resources target)
  set(rc ${PROJECT_SOURCE_DIR}/resources/windows/tessaline.rc)
  set(dirs ${PROJECT_SOURCE_DIR}/resources/windows)
  set(defs)
  foreach(name icon close option help)
    foreach(dir ${PROJECT_SOURCE_DIR}/resources/pictures/rendered ${PROJECT_SOURCE_DIR}/resources)
      if(EXISTS ${dir}/${name}.ico)
        string(TOUPPER ${name} upper)
        list(APPEND defs TESS_HAVE_${upper}_ICO)
        list(PREPEND dirs ${dir})
        break()
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
    COMPILE_DEFINITIONS "${defs}" INCLUDE_DIRECTORIES "${dirs}"
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/windows/tessaline.manifest")
endfunction()
