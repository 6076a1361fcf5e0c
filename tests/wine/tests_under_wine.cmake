# The test programs built for Windows run on this machine under Wine, in a fresh prefix of the build
# folder that a first test sets up and a last one shuts down, each program through run_test.cmake.
find_program(CHARAC_WINE wine REQUIRED)
find_program(CHARAC_WINEBOOT wineboot REQUIRED)
find_program(CHARAC_WINESERVER wineserver REQUIRED)
set(CHARAC_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

# Where Windows finds the DLLs: Qt's, and the compiler's runtime.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE compiler_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE thread_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(compiler_runtime ${compiler_runtime} DIRECTORY)
get_filename_component(thread_runtime ${thread_runtime} DIRECTORY)
set(CHARAC_WINE_DLL_FOLDERS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}\;${compiler_runtime}\;${thread_runtime}")

# The fonts the Linux tests draw with, gathered into the one folder that Qt's offscreen platform reads.
set(fonts ${CMAKE_BINARY_DIR}/wine-fonts)
file(GLOB font_files /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation/*.ttf)
if(NOT font_files)
    message(FATAL_ERROR "The tests under Wine draw with the DejaVu and Liberation fonts: install the "
                        "Debian packages fonts-dejavu-core and fonts-liberation (scripts/install-deps does).")
endif()
file(COPY ${font_files} DESTINATION ${fonts})
set(CHARAC_WINE_FONTS "Z:${fonts}")

set(wine_environment ${CMAKE_BINARY_DIR}/wine-environment.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/environment.cmake.in ${wine_environment} @ONLY)

add_test(NAME wine/start COMMAND ${CMAKE_COMMAND} -DENVIRONMENT=${wine_environment}
                                 -P ${CMAKE_CURRENT_LIST_DIR}/start_prefix.cmake)
add_test(NAME wine/stop COMMAND ${CMAKE_COMMAND} -DENVIRONMENT=${wine_environment}
                                -P ${CMAKE_CURRENT_LIST_DIR}/stop_prefix.cmake)
set_tests_properties(wine/start PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 120)
set_tests_properties(wine/stop PROPERTIES FIXTURES_CLEANUP wine_prefix TIMEOUT 60)

# charac_add_test_under_wine(NAME PROGRAM): the test NAME runs the test program PROGRAM.
function(charac_add_test_under_wine name program)
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DENVIRONMENT=${wine_environment}
                                  -DTEST=$<TARGET_FILE:${program}>
                                  -DRESULTS=${CMAKE_BINARY_DIR}/test-results/${program}.txt
                                  -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_test.cmake)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 180)
endfunction()
