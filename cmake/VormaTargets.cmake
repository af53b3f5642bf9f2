# Helpers that give every target of ours the same warnings and entry-point settings.

function(vorma_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A Windows program with a Unicode entry point (wWinMain or wmain).
#   vorma_add_program(name [GUI|CONSOLE] SOURCES ... LIBS ...)
function(vorma_add_program name kind)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  vorma_warnings(${name})
  target_link_options(${name} PRIVATE -municode)
  if(kind STREQUAL "GUI")
    target_link_options(${name} PRIVATE -mwindows)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# A GoogleTest executable; registered with CTest where this build tree runs its tests (x86_64),
# compiled and linked only on i686.
#   vorma_add_gtest(name SOURCES ... LIBS ...)
function(vorma_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT VORMA_RUNS_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  vorma_warnings(${name})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} vorma_gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# The panel loads the SDK library from its own folder: a program that loads it gets the stand-in
# copied beside it before it is built, and again whenever the stand-in was rebuilt.
function(vorma_copy_sdk_stand_in target)
  add_custom_target(${target}_sdk_stand_in
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:DLLQZ_UsbAudio72xx_x32> $<TARGET_FILE_DIR:${target}>
    VERBATIM)
  add_dependencies(${target}_sdk_stand_in DLLQZ_UsbAudio72xx_x32)
  add_dependencies(${target} ${target}_sdk_stand_in)
endfunction()
