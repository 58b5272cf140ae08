# Cross build for 64-bit Windows with MinGW-w64 (Debian packages
# g++-mingw-w64-x86-64 and mingw-w64-tools); the programs it makes run under
# Wine when wine is installed. The C and C++ runtimes are DLLs, as for Qt's
# own DLLs, which import them: one copy of each serves the program and Qt.
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

# Qt for Windows (scripts/build-qt-windows prints its prefix) is searched like
# the target's own libraries.
set(TONALYX_QT_WINDOWS "" CACHE PATH "Qt 6 for Windows: the prefix it is installed in")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TONALYX_QT_WINDOWS)
if(TONALYX_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${TONALYX_QT_WINDOWS})
endif()

# Programs of the build (the name table generator, the tests) run under Wine,
# with the runtime DLLs they link.
find_program(TONALYX_WINE wine)
if(TONALYX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run-under-wine)
  if(TONALYX_QT_WINDOWS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --qt ${TONALYX_QT_WINDOWS})
  endif()
endif()
