# Cross toolchain of the shipped programs: the -win32 variants of Debian's MinGW-w64,
# whose C++ runtime needs no libwinpthread (which imports functions that Windows 98
# and 2000 lack). Used by the nested build that cmake/ShippedPrograms.cmake sets up.
set(TARVELL_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
