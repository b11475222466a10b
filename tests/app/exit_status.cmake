# Runs PROGRAM with ARGUMENTS (a list) and fails unless it ends with status EXPECTED.
execute_process(COMMAND ${PROGRAM} ${ARGUMENTS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status STREQUAL "${EXPECTED}")
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENTS} ended with ${status}, expected ${EXPECTED}: ${err}")
endif()
