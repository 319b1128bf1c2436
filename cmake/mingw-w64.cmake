# Shared by the mingw-w64 toolchain files: each sets VS_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR first. Debian's POSIX threads flavour of the compiler.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without the runtime linked in, the program needs DLLs Windows does not have.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
