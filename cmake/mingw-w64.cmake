# Cross-building for 64-bit Windows with Debian's mingw-w64, the flavour with
# POSIX threads (std::thread and std::mutex need it with g++ 12):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake
# scripts/build-windows does this and more.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread go into every program, so nothing
# ships but the .exe: Windows itself has no libstdc++ or libwinpthread DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest starts the test programs under wine. A running wineserver ("wineserver
# -p") saves seconds per start; scripts/run-tests-windows keeps one.
find_program(ZENTAVO_WINE wine)
if(ZENTAVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZENTAVO_WINE})
endif()
