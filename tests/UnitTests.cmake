# The unit tests (GoogleTest), included by tests/CMakeLists.txt on the native
# builds and by the top CMakeLists.txt in the Windows unit tests' own build.
file(GLOB KELV_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/unit/*.cpp)
add_executable(unit_tests ${KELV_UNIT_TESTS} ${CMAKE_SOURCE_DIR}/tools/kelvhost/ByteText.cpp)
target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/support)
kelv_driver_code(unit_tests)
if(KELV_WINDOWS OR KELV_32BIT OR KELV_WEB)
  # Debian ships GoogleTest as source: build it with the cross or 32-bit compiler.
  if(KELV_WEB)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  else()
    set(gtest_disable_pthreads ${KELV_WINDOWS} CACHE BOOL "" FORCE)
  endif()
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  kelv_driver_code(gtest gtest_main)
  target_link_libraries(unit_tests PRIVATE kelvdate_core gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  target_link_libraries(unit_tests PRIVATE kelvdate_core GTest::gtest GTest::gtest_main)
endif()
if(KELV_WEB)
  # One process in WebAssembly: no death tests (NoDeathTests.h), files on the
  # real file system, run by node.
  target_compile_options(unit_tests PRIVATE -include ${CMAKE_CURRENT_LIST_DIR}/web/NoDeathTests.h)
  target_link_options(unit_tests PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
                      -sWASM_ASYNC_COMPILATION=0)
endif()
if(KELV_WINDOWS)
  target_link_options(unit_tests PRIVATE -static -static-libgcc -static-libstdc++)
else()
  # The stand-ins exist on the native build only.
  file(GLOB KELV_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/native/*.cpp)
  target_sources(unit_tests PRIVATE ${KELV_NATIVE_TESTS})
  target_include_directories(unit_tests PRIVATE ${KELV_PLATFORM_DIR})
  include(GoogleTest)
  if(KELV_WEB)
    # Four need what WebAssembly lacks: child processes (fork) for whole host
    # sessions, and a real folder's free space (emscripten's statvfs answers
    # the same figures for every folder). The rest run in one node process,
    # as the Windows build runs them in one Wine process: a process per case
    # spent a second starting the module for each of them.
    add_test(NAME unit_tests COMMAND unit_tests
             --gtest_filter=-FileFaults.PreferenceFileIsNeverTornNorLost:StandInFiles.FreeSpaceOfTheFolderItself:PrefsRecord.WrittenAndReadBackIsTheSameRecord:PrefsRecord.FileIsUsedWhileItsPathFits)
  else()
    gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
  endif()
endif()
