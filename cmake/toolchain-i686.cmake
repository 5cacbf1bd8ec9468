# 32-bit Windows: the DLL that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KORVANTA_TRIPLE i686-w64-mingw32)
set(KORVANTA_WIDL_TARGET -m32)
set(KORVANTA_WINE_PE_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
