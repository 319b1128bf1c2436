# Cross-builds the 64-bit Windows program and its tests.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VS_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
