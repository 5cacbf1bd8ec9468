# What both toolchain files share: MinGW-w64 for ${KORVANTA_TRIPLE}. The
# POSIX-thread variant of the compiler is used because GoogleTest needs
# std::mutex; everything is linked statically, so the DLL still imports only
# Windows system DLLs. Programs run under Wine (the test runner's emulator).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${KORVANTA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANTA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KORVANTA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANTA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
