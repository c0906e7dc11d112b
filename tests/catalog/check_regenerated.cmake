# Runs a data generator (PYTHON GENERATOR SOURCE OUTPUT) and fails when what it
# wrote differs from what is committed: the file OUTPUT against COMMITTED or,
# when FILES lists file names, each OUTPUT/name against COMMITTED/name.
if(DEFINED FILES)
  file(MAKE_DIRECTORY ${OUTPUT})
endif()
execute_process(
  COMMAND ${PYTHON} ${GENERATOR} ${SOURCE} ${OUTPUT}
  RESULT_VARIABLE generator_result)
if(NOT generator_result EQUAL 0)
  message(FATAL_ERROR "generator ${GENERATOR} failed: ${generator_result}")
endif()
if(DEFINED FILES)
  string(REPLACE "," ";" names "${FILES}")
  foreach(name IN LISTS names)
    list(APPEND outputs ${OUTPUT}/${name})
    list(APPEND committed ${COMMITTED}/${name})
  endforeach()
else()
  set(outputs ${OUTPUT})
  set(committed ${COMMITTED})
endif()
foreach(output committed_file IN ZIP_LISTS outputs committed)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${output} ${committed_file}
    RESULT_VARIABLE compare_result)
  if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "${committed_file} is out of date: regenerate it with ${GENERATOR}")
  endif()
endforeach()
