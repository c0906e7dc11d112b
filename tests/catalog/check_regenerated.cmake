# Runs the star catalogue generator into OUTPUT and fails when the result
# differs from the COMMITTED file.
execute_process(
  COMMAND ${PYTHON} ${GENERATOR} ${SOURCE} ${OUTPUT}
  RESULT_VARIABLE generator_result)
if(NOT generator_result EQUAL 0)
  message(FATAL_ERROR "star catalogue generator failed: ${generator_result}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
  RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is out of date: regenerate it with ${GENERATOR}")
endif()
