# Runs GENERATOR on INPUT into FRESH and fails when the result differs from
# the COMMITTED file (build the TARGET regen target and commit the result).
file(REMOVE ${FRESH})
execute_process(COMMAND ${GENERATOR} ${INPUT} ${FRESH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed on ${INPUT}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH} ${COMMITTED} RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is out of date: build the ${TARGET} target and commit the result")
endif()
