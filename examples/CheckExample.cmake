# Regenerates the example register into the build tree and compares it with the
# copy kept in the source tree: a difference means the generator, or the file
# format, changed without the example being rewritten.
# Arguments: GENERATOR, OUTPUT, EXPECTED.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "belvane-example-gen failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} is out of date: "
                        "run cmake --build <build dir> --target example-register")
endif()
