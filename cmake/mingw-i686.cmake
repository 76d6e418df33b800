# Cross build of the 32-bit Windows programs and libraries with mingw-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VEX_TRIPLE i686-w64-mingw32)

set(CMAKE_C_COMPILER   ${VEX_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEX_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VEX_TRIPLE}-windres)
set(CMAKE_AR           /usr/bin/${VEX_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${VEX_TRIPLE}-ranlib CACHE FILEPATH "")
set(VEX_DLLTOOL        /usr/bin/${VEX_TRIPLE}-dlltool CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${VEX_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program and library carries its own runtime, so a bare Windows needs nothing else.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests of the cross build run under Wine through the project's wrapper.
get_filename_component(_vex_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_vex_root}/tools/wine-run")
