# The unit tests (GoogleTest), included by tests/CMakeLists.txt on the native
# builds and by the top CMakeLists.txt in the Windows unit tests' own build.
file(GLOB KELV_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/unit/*.cpp)
add_executable(unit_tests ${KELV_UNIT_TESTS} ${CMAKE_SOURCE_DIR}/tools/kelvhost/ByteText.cpp)
target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/support)
if(KELV_WINDOWS OR KELV_32BIT)
  # Debian ships GoogleTest as source: build it with the cross or 32-bit compiler.
  set(gtest_disable_pthreads ${KELV_WINDOWS} CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_link_libraries(unit_tests PRIVATE kelvdate_core gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  target_link_libraries(unit_tests PRIVATE kelvdate_core GTest::gtest GTest::gtest_main)
endif()
if(KELV_WINDOWS)
  target_link_options(unit_tests PRIVATE -static -static-libgcc -static-libstdc++)
else()
  # The stand-ins exist on the native build only.
  file(GLOB KELV_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/native/*.cpp)
  target_sources(unit_tests PRIVATE ${KELV_NATIVE_TESTS})
  target_include_directories(unit_tests PRIVATE ${KELV_PLATFORM_DIR})
  include(GoogleTest)
  gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
endif()
