# What both toolchain files share: MinGW-w64 for ${KORVANTA_TRIPLE}. The
# POSIX-thread variant of the compiler is used because GoogleTest and the host
# simulator need std::mutex and std::thread; everything is linked statically,
# so the DLL still imports only Windows system DLLs. Programs run under Wine
# (the test runner's emulator).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${KORVANTA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANTA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KORVANTA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANTA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The DLL itself uses no threads of the C++ library. It links the runtime of
# the win32-thread variant of the same compiler (libstdc++, libgcc, libgcc_eh,
# which synchronise with Windows' own objects) instead of the POSIX-thread
# runtime, which would bring a static copy of winpthread with it (and with it
# GetTickCount64, which Windows XP lacks). The two variants share one ABI;
# their headers differ only in the thread and clock configuration.
execute_process(COMMAND ${KORVANTA_TRIPLE}-gcc-win32 -print-libgcc-file-name
  OUTPUT_VARIABLE KORVANTA_WIN32_LIBGCC OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE KORVANTA_WIN32_FOUND)
if(NOT KORVANTA_WIN32_FOUND EQUAL 0 OR NOT EXISTS "${KORVANTA_WIN32_LIBGCC}")
  message(FATAL_ERROR "No win32-thread runtime (${KORVANTA_TRIPLE}-gcc-win32): install g++-mingw-w64-i686-win32 or g++-mingw-w64-x86-64-win32")
endif()
get_filename_component(KORVANTA_WIN32_RUNTIME_DIR "${KORVANTA_WIN32_LIBGCC}" DIRECTORY)
