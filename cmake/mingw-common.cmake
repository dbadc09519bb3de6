# Shared by both mingw toolchain files. The posix thread flavour of the compiler gives
# std::thread and std::mutex; everything is linked statically so the programs need no DLLs.
set(CMAKE_C_COMPILER ${QUELLAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELLAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELLAR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUELLAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

# Libraries cross-built by scripts/setup.sh (libjpeg-turbo) live under one prefix per toolchain.
if(DEFINED ENV{QUELLAR_DEPS})
    set(QUELLAR_DEPS_DIR $ENV{QUELLAR_DEPS})
else()
    set(QUELLAR_DEPS_DIR /opt/quellar-deps)
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${QUELLAR_DEPS_DIR}/${QUELLAR_MINGW_TRIPLE})
