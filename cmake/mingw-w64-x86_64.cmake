# Cross-building the Windows program with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
# Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ run-time libraries and the threads library linked in, so
# that an executable needs nothing beyond Windows' own libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# No link time in the PE header: a rebuild of the same source is the same file.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")  # no symbols in what is shipped

find_program(CALCULADOR_WINE wine64 wine PATHS /usr/lib/wine)
if(CALCULADOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CALCULADOR_WINE})
endif()
