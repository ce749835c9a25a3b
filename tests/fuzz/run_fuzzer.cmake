# Runs a fuzzer for SECONDS on a fresh copy of the seed corpus in WORK; findings are written
# there as well.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/findings)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -artifact_prefix=${WORK}/findings/
                        ${WORK}/corpus
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the fuzzer failed (${result}); findings are in ${WORK}/findings")
endif()
