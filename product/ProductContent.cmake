# vorma_copy_product_content(<target> [DESTINATION <dir>]): copies the shipped content
# (AudioConfig.cfg, DefaultProfile.ini, bee.wav, the icons and the Skins and Languages folders) next to a
# program, which reads it from its own folder. The destination defaults to the target's binary
# folder, where our executables land. The copy is refreshed whenever a content file changes; a file
# the program changed there (for example AudioConfig.cfg's last profile path) stays until then.
include_guard(GLOBAL)

set(VORMA_PRODUCT_DIR ${CMAKE_CURRENT_LIST_DIR})

function(vorma_copy_product_content target)
  cmake_parse_arguments(ARG "" "DESTINATION" "" ${ARGN})
  set(destination ${ARG_DESTINATION})
  if(NOT destination)
    get_target_property(destination ${target} BINARY_DIR)
  endif()
  file(GLOB_RECURSE folder_files CONFIGURE_DEPENDS LIST_DIRECTORIES false
       ${VORMA_PRODUCT_DIR}/Skins/* ${VORMA_PRODUCT_DIR}/Languages/*)
  set(top_files ${VORMA_PRODUCT_DIR}/AudioConfig.cfg ${VORMA_PRODUCT_DIR}/DefaultProfile.ini
                ${VORMA_PRODUCT_DIR}/bee.wav ${VORMA_PRODUCT_DIR}/Vorma.ico ${VORMA_PRODUCT_DIR}/Uninstall.ico)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}-product-content.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VORMA_PRODUCT_DIR}/Skins ${destination}/Skins
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VORMA_PRODUCT_DIR}/Languages ${destination}/Languages
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${top_files} ${destination}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${folder_files} ${top_files}
    COMMENT "Copying the product content next to ${target}"
    VERBATIM)
  add_custom_target(${target}_product_content DEPENDS ${stamp})
  add_dependencies(${target} ${target}_product_content)
endfunction()
