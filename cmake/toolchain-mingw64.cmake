# Cross-builds the Windows program on Debian with mingw-w64 (posix threads),
# and runs what it builds under wine so that ctest can run the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELVO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUELVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and winpthread are linked in, so
# nothing has to be shipped beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(QUELVO_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUELVO_WINE})
