# Makes the fresh Wine prefix that the tests run in: cmake -DENVIRONMENT=file -P start_prefix.cmake.
# Started once before any test, so that no two test programs set the prefix up at the same time.
include(${ENVIRONMENT})
file(REMOVE_RECURSE $ENV{WINEPREFIX})
# Wine's server outlives the call that starts it. With CTest's output as its own, CTest would wait
# for it to end before it counted this test done: what Wine says goes into a file of the prefix.
set(quiet OUTPUT_FILE $ENV{WINEPREFIX}.log ERROR_FILE $ENV{WINEPREFIX}.log)
execute_process(COMMAND ${CHARAC_WINEBOOT} --init RESULT_VARIABLE status ${quiet})
if(NOT status EQUAL 0)
    file(READ $ENV{WINEPREFIX}.log said)
    message(FATAL_ERROR "wineboot could not set up $ENV{WINEPREFIX} (${status}): ${said}")
endif()
# The prefix is written out once every process of its first start has ended. Then one server
# stays for the whole run instead of one starting for each test program (stop_prefix.cmake ends it).
execute_process(COMMAND ${CHARAC_WINESERVER} --wait ${quiet})
execute_process(COMMAND ${CHARAC_WINESERVER} --persistent ${quiet})
