# What both mingw-w64 toolchains share. The -posix compilers are the ones whose C++ runtime has
# std::mutex and std::thread (googletest needs them); everything they bring is linked statically.
set(CMAKE_C_COMPILER ${VELTRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRA_MINGW_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${VELTRA_MINGW_TRIPLE}-dlltool)
set(CMAKE_OBJDUMP ${VELTRA_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VELTRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest runs every Windows program through Wine. Set here, it cannot be overridden from the
# command line; change the wrapper instead.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
