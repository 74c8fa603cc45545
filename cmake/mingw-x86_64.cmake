# Cross build of the same programs for x86_64, for machines that cannot start 32-bit programs;
# test programs run under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_wine_arch win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
