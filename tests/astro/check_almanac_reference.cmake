# Runs the almanac reference generator into OUTPUT_DIR and fails when a file it
# writes differs from the one committed in COMMITTED_DIR. Skipped (the message
# matches the test's SKIP_REGULAR_EXPRESSION) without Node.js or without the
# generator's packages, installed by `npm ci` in tools/accuracy.
get_filename_component(tools_dir ${GENERATOR} DIRECTORY)
if(NOT NODE OR NOT EXISTS ${tools_dir}/node_modules/astronomy-engine/package.json)
  message("almanac reference check skipped: Node.js or astronomy-engine not installed")
  return()
endif()
execute_process(COMMAND ${NODE} ${GENERATOR} ${OUTPUT_DIR} RESULT_VARIABLE generator_result)
if(NOT generator_result EQUAL 0)
  message(FATAL_ERROR "almanac reference generator failed: ${generator_result}")
endif()
foreach(name almanac_reference.csv moon_phase_reference.csv)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name} ${COMMITTED_DIR}/${name}
    RESULT_VARIABLE compare_result)
  if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "${COMMITTED_DIR}/${name} is out of date: regenerate it with ${GENERATOR}")
  endif()
endforeach()
