# vorma_setup_resources(<target> <name> ENTRIES <type> <id> <file> [<type> <id> <file> ...])
# Compiles into the target a resource script that carries each file as a resource of the type and
# id. Files may be the outputs of other targets ($<TARGET_FILE:...>): each is copied into the build
# folder first, so that a rebuilt program is embedded again.
function(vorma_setup_resources target name)
  cmake_parse_arguments(ARG "" "" "ENTRIES" ${ARGN})
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(lines "// Written by the build: the programs and files this setup installs.\n")
  set(copies "")
  list(LENGTH ARG_ENTRIES count)
  set(index 0)
  while(index LESS count)
    math(EXPR idIndex "${index} + 1")
    math(EXPR fileIndex "${index} + 2")
    list(GET ARG_ENTRIES ${index} type)
    list(GET ARG_ENTRIES ${idIndex} id)
    list(GET ARG_ENTRIES ${fileIndex} file)
    set(copy ${folder}/${type}-${id}.bin)
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
      DEPENDS ${file}
      VERBATIM)
    string(APPEND lines "${id} ${type} \"${copy}\"\n")
    list(APPEND copies ${copy})
    math(EXPR index "${index} + 3")
  endwhile()
  set(rc ${folder}.rc)
  file(WRITE ${rc}.in "${lines}")
  configure_file(${rc}.in ${rc} COPYONLY)
  add_custom_target(${name}_files DEPENDS ${copies})
  add_dependencies(${target} ${name}_files)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${copies}")
endfunction()
