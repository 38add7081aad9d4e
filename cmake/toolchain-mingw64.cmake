# Cross-build for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
# Used by scripts/test-windows.sh together with -DTESSALORAN_WITH_QT=OFF.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSALORAN_MINGW_PREFIX x86_64-w64-mingw32)
# The posix flavour carries std::thread and std::mutex, which GoogleTest uses.
find_program(CMAKE_C_COMPILER REQUIRED
  NAMES ${TESSALORAN_MINGW_PREFIX}-gcc-posix ${TESSALORAN_MINGW_PREFIX}-gcc)
find_program(CMAKE_CXX_COMPILER REQUIRED
  NAMES ${TESSALORAN_MINGW_PREFIX}-g++-posix ${TESSALORAN_MINGW_PREFIX}-g++)
find_program(CMAKE_RC_COMPILER NAMES ${TESSALORAN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSALORAN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link everything statically, so that the executables run without the compiler's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# GoogleTest for the target is built from the sources Debian installs (package googletest).
set(TESSALORAN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources built for the target")
