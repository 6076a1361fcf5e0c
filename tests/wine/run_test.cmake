# Runs one test program under Wine:
#   cmake -DENVIRONMENT=wine-environment.cmake -DTEST=program.exe -DRESULTS=file.txt -P run_test.cmake
# QtTest writes nothing into a pipe under Wine, so the results go into a file that is then printed,
# and the program's exit status is the test's.
include(${ENVIRONMENT})
get_filename_component(results_folder ${RESULTS} DIRECTORY)
file(MAKE_DIRECTORY ${results_folder})
file(REMOVE ${RESULTS})
# What the program and Wine print goes into a file, not into a pipe of CTest's: Wine's own helper
# processes, started by whichever test first needs them, would keep a pipe open until the end of
# the run, and CTest would wait for them.
execute_process(COMMAND ${CHARAC_WINE} ${TEST} -o ${RESULTS},txt RESULT_VARIABLE status
                OUTPUT_FILE ${RESULTS}.log ERROR_FILE ${RESULTS}.log)
foreach(said IN ITEMS ${RESULTS} ${RESULTS}.log)
    if(EXISTS ${said})
        file(READ ${said} text)
        message("${text}")
    endif()
endforeach()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${TEST} ended with ${status}")
endif()
