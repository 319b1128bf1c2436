# Run at install time (cpack): copies the shared libraries that the program
# and its plugins need, and that a desktop's base lacks, into the library
# folder beside the program, each under its soname.
#   VS_PROGRAM, VS_PLUGINS (list), VS_BUNDLED (regular expression of the
#   names to bring), VS_DESTINATION (folder below the install prefix)
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${VS_PROGRAM}
  MODULES ${VS_PLUGINS}
  RESOLVED_DEPENDENCIES_VAR vs_resolved
  UNRESOLVED_DEPENDENCIES_VAR vs_unresolved)
if(vs_unresolved)
  message(FATAL_ERROR "libraries not found: ${vs_unresolved}")
endif()
set(vs_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VS_DESTINATION}")
foreach(vs_library IN LISTS vs_resolved)
  get_filename_component(vs_name ${vs_library} NAME)
  if(vs_name MATCHES "${VS_BUNDLED}")
    file(REAL_PATH ${vs_library} vs_real)
    file(COPY_FILE ${vs_real} "${vs_folder}/${vs_name}")
  endif()
endforeach()
