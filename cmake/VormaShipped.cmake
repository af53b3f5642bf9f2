# What makes a shipped file look like the Windows software it is: a version record carrying the
# project's version, an icon where the product has one, and for a program its application manifest.
# Release builds of shipped files are stripped.
#
#   vorma_shipped(target DESCRIPTION text [ICON file.ico] [REQUIRE_ADMINISTRATOR])
#
# Call it after the target's file name properties (OUTPUT_NAME, PREFIX, SUFFIX) are set. The kind
# of file follows from the target: an executable is a program (a .sys suffix makes it a driver,
# which has no manifest), a shared library a DLL (no manifest either: execution level, supported
# systems and DPI behaviour belong to the process, which takes them from its .exe only).
# Every shipped target is listed in the global property VORMA_SHIPPED_TARGETS.

set(VORMA_SHIPPED_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/shipped)
set(VORMA_COMPANY "Vorma Audio")
set(VORMA_PRODUCT "Vorma Audio Center")

if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "The project version must have four parts (major.minor.release.build), not '${PROJECT_VERSION}'")
endif()
string(REPLACE "." "," VORMA_VERSION_COMMAS ${PROJECT_VERSION})

# The file name the target is linked to, without a folder.
function(vorma_shipped_file_name target out)
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  get_target_property(suffix ${target} SUFFIX)
  if(NOT suffix)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
      set(suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
    else()
      set(suffix ${CMAKE_EXECUTABLE_SUFFIX})
    endif()
  endif()
  set(${out} ${name}${suffix} PARENT_SCOPE)
endfunction()

function(vorma_shipped target)
  cmake_parse_arguments(ARG "REQUIRE_ADMINISTRATOR" "DESCRIPTION;ICON" "" ${ARGN})
  if(NOT ARG_DESCRIPTION)
    message(FATAL_ERROR "vorma_shipped(${target}): DESCRIPTION is required")
  endif()
  vorma_shipped_file_name(${target} VORMA_FILE_NAME)
  get_filename_component(VORMA_INTERNAL_NAME ${VORMA_FILE_NAME} NAME_WE)
  set(VORMA_FILE_DESCRIPTION ${ARG_DESCRIPTION})
  set(VORMA_FILE_SUBTYPE VFT2_UNKNOWN)
  set(VORMA_ICON_LINE "")
  set(VORMA_MANIFEST_LINE "")
  set(resource_inputs "")

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(VORMA_FILE_TYPE VFT_DLL)
  elseif(VORMA_FILE_NAME MATCHES "\\.sys$")
    set(VORMA_FILE_TYPE VFT_DRV)
    set(VORMA_FILE_SUBTYPE VFT2_DRV_SYSTEM)
  else()
    set(VORMA_FILE_TYPE VFT_APP)
    if(ARG_REQUIRE_ADMINISTRATOR)
      set(VORMA_EXECUTION_LEVEL requireAdministrator)
    else()
      set(VORMA_EXECUTION_LEVEL asInvoker)
    endif()
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(VORMA_MANIFEST_ARCH amd64)
    else()
      set(VORMA_MANIFEST_ARCH x86)
    endif()
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${VORMA_INTERNAL_NAME}.manifest)
    configure_file(${VORMA_SHIPPED_TEMPLATES}/Program.manifest.in ${manifest} @ONLY)
    # Resource id 1 of type 24: the manifest Windows reads when it creates the process.
    set(VORMA_MANIFEST_LINE "1 24 \"${manifest}\"")
    list(APPEND resource_inputs ${manifest})
  endif()
  if(ARG_ICON)
    set(VORMA_ICON_LINE "1 ICON \"${ARG_ICON}\"")
    list(APPEND resource_inputs ${ARG_ICON})
  endif()

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${VORMA_INTERNAL_NAME}.shipped.rc)
  configure_file(${VORMA_SHIPPED_TEMPLATES}/ShippedFile.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${resource_inputs}")
  target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
  set_property(GLOBAL APPEND PROPERTY VORMA_SHIPPED_TARGETS ${target})
endfunction()
