# Regenerates the parser tables into FRESH and fails when they differ from the
# committed COMMITTED file (run the regen target after changing the grammar).
file(REMOVE ${FRESH})
execute_process(COMMAND ${LALRGEN} ${GRAMMAR} ${FRESH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lalrgen failed on ${GRAMMAR}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH} ${COMMITTED} RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is out of date: build the regen-parser target")
endif()
