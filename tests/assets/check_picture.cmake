# Paints the picture afresh and compares it with the committed one, byte for byte.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} ${SCALE} RESULT_VARIABLE painted)
if(NOT painted EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${painted}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is not what the generator paints")
endif()
