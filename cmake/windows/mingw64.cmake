# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers (the posix-thread ones, which
# Qt's threads need). Used for Qt itself and for Charac; Qt's own build remembers this file's path,
# so it stays where it is.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CHARAC_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${CHARAC_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CHARAC_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${CHARAC_MINGW}-windres)

# Libraries and headers come from the target's own folders (and the Qt built for it, named by
# CMAKE_PREFIX_PATH); programs that run during the build come from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${CHARAC_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Tests and tools built for Windows run on this machine under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
