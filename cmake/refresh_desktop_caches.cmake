# Run at the end of an install, with CHARAC_SHARE the installed share folder: refreshes the caches
# through which desktops find the character file type, the programs that open it and the icons, so
# that an install into ~/.local or /usr/local works at once. An install staged for a package (DESTDIR
# set, as cpack does) leaves them alone: the package manager's triggers rebuild them on the machine
# the package is installed on, and the caches of a staging folder must not end up in a package.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()

# refresh(FOLDER TOOL [OPTION...]) runs TOOL [OPTION...] FOLDER when both the tool and the folder exist.
function(refresh folder tool)
    # A name of its own: find_program does not look when its variable is set already.
    unset(charac_refresh_tool)
    find_program(charac_refresh_tool ${tool} NO_CACHE)
    if(NOT charac_refresh_tool)
        message(STATUS "Not refreshed, no ${tool}: ${folder}")
    elseif(IS_DIRECTORY "${folder}")
        message(STATUS "Refreshing: ${folder}")
        execute_process(COMMAND "${charac_refresh_tool}" ${ARGN} "${folder}" RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(WARNING "${tool} ${folder} failed (${result}): the desktop may not see the new files yet")
        endif()
    endif()
endfunction()

refresh("${CHARAC_SHARE}/mime" update-mime-database)
refresh("${CHARAC_SHARE}/applications" update-desktop-database)
refresh("${CHARAC_SHARE}/icons/hicolor" gtk-update-icon-cache -q -t -f)
