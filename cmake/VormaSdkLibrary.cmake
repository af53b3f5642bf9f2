# Builds the vendor SDK stand-in library from the export list the panel binds
# (panel/device/SdkFunctionList.h), so the library's exports and the panel's table come from one list.
#
#   vorma_add_sdk_library(target OUTPUT_NAME name [OMIT position] [OUTPUT_DIRECTORY dir])
#
# links the stand-in's code (object library vorma_sdk_standin, outside/sdk) into a DLL named
# <name>.dll that exports the 249 names undecorated, with ordinals 1-249 in binding order. OMIT k
# leaves the name at position k out, for tests of a library that lacks one export.

set(VORMA_SDK_FUNCTION_LIST ${CMAKE_CURRENT_LIST_DIR}/../panel/device/SdkFunctionList.h)

# The export names of the list, in binding order.
function(vorma_sdk_function_names out)
  file(STRINGS ${VORMA_SDK_FUNCTION_LIST} lines REGEX "^VORMA_SDK_(CALLED|OTHER)\\(")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^VORMA_SDK_(CALLED|OTHER)\\(([A-Za-z0-9_]+)\\).*$" "\\2" name "${line}")
    list(APPEND names ${name})
  endforeach()
  list(LENGTH names count)
  if(NOT count EQUAL 249)
    message(FATAL_ERROR "${VORMA_SDK_FUNCTION_LIST} names ${count} functions, not 249")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(vorma_add_sdk_library target)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;OMIT;OUTPUT_DIRECTORY" "" ${ARGN})
  vorma_sdk_function_names(names)
  set(def "EXPORTS\n")
  set(position 0)
  foreach(name IN LISTS names)
    math(EXPR position "${position} + 1")
    if(NOT position EQUAL "${ARG_OMIT}")
      string(APPEND def "  ${name} @${position}\n")
    endif()
  endforeach()
  set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${ARG_OUTPUT_NAME}.def)
  file(CONFIGURE OUTPUT ${def_file} CONTENT "${def}")
  # Rebuild the .def files when the list changes.
  set_property(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VORMA_SDK_FUNCTION_LIST})

  add_library(${target} SHARED ${def_file})
  target_link_libraries(${target} PRIVATE vorma_sdk_standin)
  # --kill-at drops the @N of the i686 stdcall names, so every export is the bare name the panel
  # looks up; the fix-up of the .def names to their decorated symbols is intended, not a warning.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
  endif()
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${ARG_OUTPUT_NAME})
  if(ARG_OUTPUT_DIRECTORY)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
  endif()
endfunction()
