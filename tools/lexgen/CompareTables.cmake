# Generates the lexer into OUTPUT and fails when the committed TABLES differ.
execute_process(COMMAND ${LEXGEN} ${RULES} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lexgen failed on ${RULES}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${TABLES} RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${TABLES} is out of date: build the regen-lexer target and commit the result")
endif()
