# Run at install time: installs the launcher entry with the installed program's full path in its Exec
# key, so that desktops find the program whether or not its folder is on the PATH (GLib hides an entry
# whose program it cannot find, and another program then opens character files). The path is the
# install prefix's, never DESTDIR's: a package is staged through DESTDIR and installed at the prefix.
#   CHARAC_DESKTOP_SOURCE  the entry of data/, with "Exec=charac %f"
#   CHARAC_DESKTOP_STAGED  where the finished entry is written before it is installed
#   CHARAC_PROGRAM         the installed program's full path
#   CHARAC_APPLICATIONS    the folder of launcher entries below the prefix

# desktop_exec_argument(OUT TEXT): TEXT as one argument of an Exec key. A field code's "%" is doubled;
# an argument with a reserved character is quoted, its '"', '`', '$' and '\' escaped; then the string
# escapes of every key's value apply, a backslash doubled again.
function(desktop_exec_argument out text)
    string(REPLACE "%" "%%" text "${text}")
    if(text MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
        string(REPLACE "\\" "\\\\" text "${text}")
        string(REPLACE "\"" "\\\"" text "${text}")
        string(REPLACE "`" "\\`" text "${text}")
        string(REPLACE "$" "\\$" text "${text}")
        set(text "\"${text}\"")
        string(REPLACE "\\" "\\\\" text "${text}")
        string(REPLACE "\n" "\\n" text "${text}")
        string(REPLACE "\t" "\\t" text "${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${CHARAC_DESKTOP_SOURCE}" charac_entry)
desktop_exec_argument(charac_exec "${CHARAC_PROGRAM}")
if(NOT charac_entry MATCHES "\nExec=charac ")
    message(FATAL_ERROR "${CHARAC_DESKTOP_SOURCE} has no line \"Exec=charac ...\" to name the program in")
endif()
string(REPLACE "\nExec=charac " "\nExec=${charac_exec} " charac_entry "${charac_entry}")
file(WRITE "${CHARAC_DESKTOP_STAGED}" "${charac_entry}")
file(INSTALL DESTINATION "${CHARAC_APPLICATIONS}" TYPE FILE FILES "${CHARAC_DESKTOP_STAGED}")
