# Cross build for 32-bit Windows with Debian's MinGW-w64 i686 compiler.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(QUON_MINGW_TRIPLET i686-w64-mingw32)
# The POSIX-threads variant: its C++ library has std::thread and std::mutex.
set(CMAKE_C_COMPILER ${QUON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUON_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${QUON_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${QUON_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")
set(QUON_DLLTOOL ${QUON_MINGW_TRIPLET}-dlltool CACHE FILEPATH "dlltool of the cross toolchain")
set(QUON_OBJDUMP ${QUON_MINGW_TRIPLET}-objdump CACHE FILEPATH "objdump of the cross toolchain")
set(QUON_NM ${QUON_MINGW_TRIPLET}-nm CACHE FILEPATH "nm of the cross toolchain")

set(CMAKE_FIND_ROOT_PATH /usr/${QUON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Single precision stays single precision: SSE2 scalar arithmetic, never the
# x87 unit's extended registers. Python and callers built with Microsoft's
# compiler only keep the stack 4-byte aligned, so realign where SSE needs it.
# printf-family formatting is the C99 one (two-digit exponents in "%g"),
# as on Linux, instead of the system msvcrt's.
set(_quon_mingw_flags "-msse2 -mfpmath=sse -mstackrealign -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_C_FLAGS_INIT "${_quon_mingw_flags}")
set(CMAKE_CXX_FLAGS_INIT "${_quon_mingw_flags}")

# The C and C++ runtimes and the threads library are linked in, so the
# binaries need only Windows' own DLLs (and, for the module, python27.dll
# and Quon.dll).
set(_quon_mingw_link "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_quon_mingw_link}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_quon_mingw_link}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_quon_mingw_link}")
