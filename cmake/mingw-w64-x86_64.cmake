# Cross build for 64-bit Windows with the MinGW-w64 compiler (posix threads), e.g.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DORVANE_BUILD_UI=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANE_MINGW_PREFIX x86_64-w64-mingw32 CACHE STRING "Target triplet of the MinGW-w64 tools")
set(CMAKE_C_COMPILER ${ORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_PREFIX}-windres)

# further roots given with -DCMAKE_FIND_ROOT_PATH=... (Windows builds of Qt, googletest) come first
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C, C++ and thread runtimes go into the programs, so they start without MinGW DLLs beside
# them. Off when the program links DLLs built against the shared runtime (Qt): one runtime per
# process, the DLLs shipped beside the program.
option(ORVANE_MINGW_STATIC_RUNTIME "Link the MinGW runtime libraries statically" ON)
if(ORVANE_MINGW_STATIC_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
# tests run under Wine
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
