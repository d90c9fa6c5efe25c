# Cross toolchain of the build: 32-bit Windows programs built with Debian's MinGW-w64.
# The -posix variants provide std::mutex and std::thread, which GoogleTest needs; the
# libraries, tests and tools are built with them. The shipped programs come from the
# nested build that cmake/ShippedPrograms.cmake sets up with mingw-i686-win32.cmake.
set(TARVELL_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
