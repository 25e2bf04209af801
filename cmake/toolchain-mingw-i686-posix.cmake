# The Windows cross build with the posix thread model, for the unit tests
# alone: GoogleTest locks with std::mutex, which the win32 model's C++ library
# lacks. The plug-in itself is never built with this one.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
