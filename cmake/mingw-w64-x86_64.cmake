# Cross build for 64-bit Windows with MinGW-w64 (Debian packages
# g++-mingw-w64-x86-64 and mingw-w64-tools); the programs it makes run under
# Wine when wine is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TONALYX_MINGW_TRIPLET x86_64-w64-mingw32)
# The POSIX thread model gives the whole C++ thread library.
set(CMAKE_C_COMPILER ${TONALYX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TONALYX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TONALYX_MINGW_TRIPLET}-windres)

# Headers, libraries and pkg-config files of the target only, never the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${TONALYX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(PKG_CONFIG_EXECUTABLE ${TONALYX_MINGW_TRIPLET}-pkg-config)

# The C and C++ runtimes linked in, so each program runs without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Programs of the build (the name table generator, the tests) run under Wine.
find_program(TONALYX_WINE wine)
if(TONALYX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine)
endif()
