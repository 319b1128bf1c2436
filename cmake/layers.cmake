# Each layer reaches the compiler through an include root of its own in the
# build tree, holding only that layer's headers. A target sees the roots of
# the targets it links and no others, so an include that points outward or
# sideways does not compile: "ui/dialog.h" is found by whatever links vs_ui,
# "dialog/starter_dialog.h" only by what links vs_dialog.
#
#   vs_layer_headers(<target> <folder> [OWN_FILES_ONLY])
#
# gives <target> the root for src/<folder>. With OWN_FILES_ONLY the root holds
# the folder's own headers but not its subfolders, which are targets of their
# own (ui/ and ui/qt/, os/ and os/posix/).
set(VS_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

function(vs_layer_headers target folder)
  cmake_parse_arguments(arg "OWN_FILES_ONLY" "" "" ${ARGN})
  string(REPLACE "/" "_" name ${folder})
  set(root ${VS_LAYER_ROOTS}/${name})
  set(source ${PROJECT_SOURCE_DIR}/src/${folder})
  set(link ${root}/${folder})
  if(arg_OWN_FILES_ONLY)
    # One link per header; links left from a header since removed go first.
    file(MAKE_DIRECTORY ${link})
    file(GLOB old LIST_DIRECTORIES false ${link}/*)
    if(old)
      file(REMOVE ${old})
    endif()
    file(GLOB headers CONFIGURE_DEPENDS ${source}/*.h)
    foreach(header ${headers})
      get_filename_component(file ${header} NAME)
      file(CREATE_LINK ${header} ${link}/${file} SYMBOLIC)
    endforeach()
  else()
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source} ${link} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
