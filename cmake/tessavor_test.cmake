# GoogleTest: Debian's package for the host build; for the cross build the
# source that Debian's googletest package installs, built by the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  # The win32-thread mingw-w64 has no std::mutex; a customisation header,
  # found before GoogleTest's own, gives GoogleTest a Notification without it.
  include_directories(BEFORE ${CMAKE_CURRENT_LIST_DIR}/gtest-mingw)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # GoogleTest 1.11 and later define these aliases themselves.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# tessavor_add_test(name SOURCES files... LIBS libs...)
# One GoogleTest program registered as one CTest test; under the cross build
# CMake runs it through Wine.
function(tessavor_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
