# Runs the replay tool on SESSION and compares its output with EXPECTED.
execute_process(COMMAND ${REPLAY} INPUT_FILE ${SESSION} OUTPUT_VARIABLE actual ERROR_VARIABLE errors
                RESULT_VARIABLE code)
file(READ ${EXPECTED} expected)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "sparvik-replay ended with ${code}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "sparvik-replay printed\n${actual}\ninstead of\n${expected}")
endif()
