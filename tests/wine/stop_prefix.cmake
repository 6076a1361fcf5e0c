# Ends the Wine server of the tests' prefix once every test has run, so that nothing of Wine outlives
# the run: cmake -DENVIRONMENT=wine-environment.cmake -P stop_prefix.cmake
include(${ENVIRONMENT})
execute_process(COMMAND ${CHARAC_WINESERVER} --kill)
execute_process(COMMAND ${CHARAC_WINESERVER} --wait)
