# Cross-compiles for 64-bit Windows with MinGW-w64; programs run under Wine.
# The POSIX-thread variant of
# the compiler is used because GoogleTest needs std::mutex; everything is linked
# statically, so the DLL still imports only Windows system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVANTA_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${KORVANTA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANTA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KORVANTA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANTA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(KORVANTA_WIDL_TARGET -m64)
set(KORVANTA_WINE_PE_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
