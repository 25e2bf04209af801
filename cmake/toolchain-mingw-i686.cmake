# Cross-compiles the Windows build with mingw-w64 for 32-bit Intel and runs
# its programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The win32 thread model: the posix one links winpthreads statically into
# every program, and winpthreads imports functions that Windows 2000 and XP
# lack (GetTickCount64 among them), so the loader there refuses the DLL.
# Nothing here starts a thread through the C++ library. GoogleTest alone
# needs the posix model (std::mutex): the unit tests are a build of their
# own with toolchain-mingw-i686-posix.cmake (tests/CMakeLists.txt).
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
