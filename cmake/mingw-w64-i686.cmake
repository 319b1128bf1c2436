# Cross-builds the 32-bit Windows program, the one a release ships: it runs
# wherever the game runs, 32-bit Windows included.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VS_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
