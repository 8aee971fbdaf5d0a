# Cross build for Windows with Debian's mingw-w64, POSIX thread model (GoogleTest needs std::mutex).
# TARNWICK_MINGW_ARCH picks the machine: i686 for the 32-bit program users download, x86_64 for the
# build the tests run, as Wine runs 64-bit programs on hosts that cannot execute 32-bit code.
if(NOT TARNWICK_MINGW_ARCH MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "TARNWICK_MINGW_ARCH must be i686 or x86_64, not '${TARNWICK_MINGW_ARCH}'")
endif()
# The compiler checks configure projects of their own, which need the machine too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNWICK_MINGW_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARNWICK_MINGW_ARCH})

set(CMAKE_C_COMPILER ${TARNWICK_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNWICK_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${TARNWICK_MINGW_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the .exe tests through Wine; the script adds a time limit and the test environment.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
