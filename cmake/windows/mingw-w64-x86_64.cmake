# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers, the
# posix thread model (std::thread and std::mutex work as on Linux). Used for
# both Qt and Tessra by scripts/windows:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/windows/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSRA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSRA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSRA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSRA_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the folders named in
# CMAKE_PREFIX_PATH (the Qt built for Windows); programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TESSRA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
