# Adds the Windows resource script (icon, button pictures, version record, manifest) to a target.
# Pictures are taken when their .ico files exist, so a missing one never breaks the build.
#   tess_add_windows_resources(target [FILE_NAME name.exe] [DESCRIPTION text])
# FILE_NAME and DESCRIPTION go into the version record (defaults: the program's own).
function(tess_add_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "FILE_NAME;DESCRIPTION" "")
  if(NOT arg_FILE_NAME)
    set(arg_FILE_NAME tessaline.exe)
  endif()
  if(NOT arg_DESCRIPTION)
    set(arg_DESCRIPTION "Tessaline: HTML pages to compiled HTML Help")
  endif()
  string(REGEX REPLACE "\\.exe$" "" internal_name "${arg_FILE_NAME}")
  set(v ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
  # Spelled as the program has always spelled it: version 1.1 is "1.01".
  set(minor ${PROJECT_VERSION_MINOR})
  if(minor LESS 10)
    set(minor 0${minor})
  endif()
  set(version_text ${PROJECT_VERSION_MAJOR}.${minor})

  # One small script per target names it, then takes in the shared one: the source properties
  # below belong to a file, and the targets of one folder would otherwise share them.
  set(rc ${CMAKE_BINARY_DIR}/windows-resources/${target}-resources.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "\
#define TESS_FILE_NAME \"${arg_FILE_NAME}\"
#define TESS_INTERNAL_NAME \"${internal_name}\"
#define TESS_DESCRIPTION \"${arg_DESCRIPTION}\"
#define TESS_VERSION_TEXT \"${version_text}\"
#define TESS_VERSION_NUMBERS ${v}
#include \"tessaline.rc\"
")

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
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/windows/tessaline.rc;${PROJECT_SOURCE_DIR}/resources/windows/tessaline.manifest")
endfunction()
