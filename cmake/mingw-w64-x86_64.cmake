# Cross-compiles the Windows program on Debian with MinGW-w64 (g++-mingw-w64-x86-64).
#
# The compiler with the win32 thread model: its runtime needs no winpthread DLL, so that with
# -static the program is a single file. x86_64 computes doubles in SSE2, never in the x87.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc and libstdc++ go into the program instead of beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
