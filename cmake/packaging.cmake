# Release packages, made with cpack in a build directory: the program and the
# text for players, to be unpacked straight into the game's program folder
# (no folder of their own around them).
#   Windows build: VornakStarter-<version>-win32.zip
#   Linux build:   VornakStarter-<version>-linux-<processor>.tar.gz
# No .deb: the launcher works only from the game's own folder, which a system
# package cannot know.

if(WIN32)
  set(vs_player_text_newlines CRLF)
  set(vs_package_system win32)
  set(CPACK_GENERATOR ZIP)
else()
  set(vs_player_text_newlines UNIX)
  set(vs_package_system linux-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_GENERATOR TGZ)
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

# cpack installs the program only; it need not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME VornakStarter)
set(CPACK_PACKAGE_VENDOR "KARNOW-STUDIO Software GmbH")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Launcher for Vornak, Morlex and their mods")
set(CPACK_PACKAGE_FILE_NAME VornakStarter-${PROJECT_VERSION}-${vs_package_system})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
