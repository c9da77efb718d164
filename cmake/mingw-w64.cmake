# Cross-compiles the core (everything below the Qt layers), its tests and boardset.exe for 64-bit
# Windows with MinGW-w64 (posix threads, runtime linked in statically), and runs the tests under
# Wine.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
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
set(CMAKE_BUILD_TYPE Release CACHE STRING "Release: the build CI checks")
set(CMAKE_CXX_FLAGS_INIT "-Werror")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(BSE_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${BSE_WINE})
# One .exe with nothing beside it: zlib (Debian: libz-mingw-w64-dev) from its static library.
set(ZLIB_USE_STATIC_LIBS ON)
