# One static library per source folder. Its headers are reached as "<folder>/name.h" through a
# folder of its own in the build tree that shows only that source folder, so a library whose
# links do not lead to a folder cannot include from it.
function(tess_folder_include_dir target folder)
  set(root ${CMAKE_BINARY_DIR}/folders/${folder})
  if(NOT EXISTS ${root}/${folder})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# tess_folder_library(NAME FOLDER [SOURCES files...] [LINKS libraries...]): the folder's own
# *.cpp (or SOURCES, relative to the folder), linked publicly to LINKS.
function(tess_folder_library name folder)
  cmake_parse_arguments(arg "" "" "SOURCES;LINKS" ${ARGN})
  if(arg_SOURCES)
    list(TRANSFORM arg_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/${folder}/)
    set(sources ${arg_SOURCES})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  tess_folder_include_dir(${name} ${folder})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
endfunction()
