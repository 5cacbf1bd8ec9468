# 64-bit Windows: the same source, for machines whose Wine runs only 64-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVANTA_TRIPLE x86_64-w64-mingw32)
set(KORVANTA_WIDL_TARGET -m64)
set(KORVANTA_WINE_PE_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
