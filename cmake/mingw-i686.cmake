# Cross build of the shipped 32-bit Windows programs; test programs run under the 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_wine_arch win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
