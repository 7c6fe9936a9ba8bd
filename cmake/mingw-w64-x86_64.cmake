# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# Qt needs for std::thread and friends). Used for the Windows Qt and for Seraphel itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw_triplet}-windres)
set(CMAKE_AR ${_mingw_triplet}-gcc-ar-posix)
set(CMAKE_RANLIB ${_mingw_triplet}-gcc-ranlib-posix)

# Libraries and headers come from the MinGW sysroot and the Windows Qt (CMAKE_PREFIX_PATH);
# programs such as moc and rcc from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
