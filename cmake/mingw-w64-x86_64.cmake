# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads) against the static
# libraries that scripts/windows-deps builds into TAMBLOR_MINGW_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

if(NOT TAMBLOR_MINGW_PREFIX)
  set(TAMBLOR_MINGW_PREFIX "$ENV{TAMBLOR_MINGW_PREFIX}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAMBLOR_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${TAMBLOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns of an overlap inside libstdc++'s own string concatenation, wrongly (its bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
# No runtime DLL beside the programs: libgcc, libstdc++ and winpthread go into the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(wxWidgets_USE_STATIC ON)

# Build-time tools and the tests run under wine, in a prefix set up for them.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
