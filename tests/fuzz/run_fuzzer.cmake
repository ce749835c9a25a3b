# Runs a fuzzer for SECONDS on a fresh copy of the seed corpus in WORK; findings are written
# there as well. With QUIET the target's standard error is closed.
set(quiet)
if(QUIET)
    set(quiet -close_fd_mask=2)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/findings)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
execute_process(COMMAND ${FUZZER} ${quiet} -max_total_time=${SECONDS} -artifact_prefix=${WORK}/findings/
                        ${WORK}/corpus
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the fuzzer failed (${result}); findings are in ${WORK}/findings")
endif()
