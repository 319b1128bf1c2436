# Release packages, made with cpack in a build directory: the program and the
# text for players, to be unpacked straight into the game's program folder
# (no folder of their own around them).
#   Windows build: VornakStarter-<version>-win32.zip
#   Linux build:   VornakStarter-<version>-linux-<processor>.tar.gz, and the
#                  same files as .tar.xz for those who can unpack it
# No .deb: the launcher works only from the game's own folder, which a system
# package cannot know.

if(WIN32)
  set(vs_player_text_newlines CRLF)
  set(vs_package_system win32)
  set(CPACK_GENERATOR ZIP)
else()
  set(vs_player_text_newlines UNIX)
  set(vs_package_system linux-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_GENERATOR TGZ TXZ)
  # The tested build keeps its debug information; the package does not.
  set(CPACK_STRIP_FILES ON)
endif()

configure_file(${CMAKE_SOURCE_DIR}/docs/player/VornakStarter.txt
  ${CMAKE_BINARY_DIR}/package/VornakStarter.txt @ONLY NEWLINE_STYLE ${vs_player_text_newlines})

install(TARGETS VornakStarter RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/VornakStarter.txt DESTINATION .)
# The Linux launcher brings its Wine relays (for 64-bit and for 32-bit
# prefixes), for games installed the Windows way.
if(VS_WINE_RELAY)
  install(FILES ${VS_WINE_RELAY} ${VS_WINE_RELAY32} DESTINATION .)
endif()

# The Linux launcher brings the Qt it was built with, ICU's code, the
# platform plugin and what that plugin loads beyond a desktop's base, so it
# runs where Debian's Qt 6 is not installed. The base it expects is the
# README's table of desktop libraries.
if(VS_LIBRARY_FOLDER)
  set(vs_plugin_root ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
  set(vs_plugins
    platforms/libqxcb.so
    imageformats/libqico.so
    platforminputcontexts/libcomposeplatforminputcontextplugin.so
    platforminputcontexts/libibusplatforminputcontextplugin.so)
  list(TRANSFORM vs_plugins PREPEND ${vs_plugin_root}/ OUTPUT_VARIABLE vs_plugin_files)
  # The Qt front end's module lies beside the Qt it links; its dependencies
  # are gathered with the plugins'.
  install(TARGETS vornakstarter_qt LIBRARY DESTINATION ${VS_LIBRARY_FOLDER})
  list(APPEND vs_plugin_files $<TARGET_FILE:vornakstarter_qt>)
  foreach(vs_plugin IN LISTS vs_plugins)
    get_filename_component(vs_kind ${vs_plugin} DIRECTORY)
    install(FILES ${vs_plugin_root}/${vs_plugin} DESTINATION ${VS_LIBRARY_FOLDER}/plugins/${vs_kind})
  endforeach()
  set(vs_bundled "^lib(Qt6[A-Za-z]+|icu(uc|i18n)|double-conversion|b2|gomp|pcre2-16|md4c|xkbcommon-x11|xcb-(icccm|image|keysyms|render-util|util|cursor))[.]so")
  install(CODE "
    set(VS_PROGRAM \"$<TARGET_FILE:VornakStarter>\")
    set(VS_PLUGINS \"${vs_plugin_files}\")
    set(VS_BUNDLED \"${vs_bundled}\")
    set(VS_DESTINATION \"${VS_LIBRARY_FOLDER}\")
    include(\"${CMAKE_SOURCE_DIR}/cmake/bundle_libraries.cmake\")")
  include(${CMAKE_CURRENT_LIST_DIR}/empty_icu_data.cmake)
endif()

# cpack installs the program only; it need not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME VornakStarter)
set(CPACK_PACKAGE_VENDOR "KARNOW-STUDIO Software GmbH")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Launcher for Vornak, Morlex and their mods")
set(CPACK_PACKAGE_FILE_NAME VornakStarter-${PROJECT_VERSION}-${vs_package_system})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
