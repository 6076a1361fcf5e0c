#!/bin/sh
# The Windows installer under Wine, in a fresh prefix: for the current user and for all users, it
# installs without a question (/S), its Start-menu entry starts Charac, a character file opens in
# Charac when Windows is asked to open it, and the silent uninstaller leaves no file of the program.
#
#   sh tests/wine/installer_test.sh SETUP.exe PREFIX     (run by make test-windows)
#
# It runs on a display (xvfb-run), and Charac says that it started through its own folder: it copies
# the starter catalogue there, and a character it opens names its folder in "pathC.txt". The path
# files are there beforehand, so that no first-start message waits for a click.
set -eu
setup=$(realpath "$1")
export WINEPREFIX="$(realpath -m "$2")"
export WINEDEBUG=-all
# No installer of Wine's .NET or HTML engines, and no menu entries of this prefix on this machine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
drive=$WINEPREFIX/drive_c
failures=0
fail() { echo "installer_test: $*"; failures=$((failures + 1)); }

# Waits up to 20 s for a file to hold a text, as Charac starts beside this script.
wait_for() {
    for _ in $(seq 40); do grep -qF "$2" "$1" 2>/dev/null && return 0; sleep 0.5; done
    return 1
}

# Ends every Windows program of the prefix, and waits until they are gone.
stop_wine() {
    wineserver --kill 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
}

# Every file of the program: charac.exe and what lies beside it, where the installer put them.
program_files() { find "$drive" -path "$drive/QOD" -prune -o -type f -path "$drive/*/Charac/*" -print; }

# The keys of the registry the installer writes, in the user's or the machine's part.
registry_keys() {
    root=$([ "$1" = CurrentUser ] && echo HKCU || echo HKLM)
    for key in 'Software\Microsoft\Windows\CurrentVersion\Uninstall\Charac' 'Software\Classes\Charac.Character' \
        'Software\Classes\.QOZ'; do
        if wine reg query "$root\\$key" >/dev/null 2>&1; then echo "$root\\$key"; fi
    done
}

rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
mkdir -p "$drive/Party"
printf '"Sea Elf","","Tessa","female","humanoid","",""\r\n11,12,13,14,15,16,17\r\n' >"$drive/Party/Tessa.QOZ"
printf '"","","","","","",""\r\n0,0,0,0,0,0,0\r\n"","","","","","",""\r\n' >>"$drive/Party/Tessa.QOZ"

# Charac's own folder as an earlier start left it, without the starter catalogue.
own_folder() {
    rm -rf "$drive/QOD"
    mkdir -p "$drive/QOD/Charac"
    for file in 'pa 0.txt:C:\QOD\Charac' 'pa 1.txt:C:\QOD\' 'pa 2.txt:C:' 'pathC.txt:C:\QOD\Charac\'; do
        printf '"%s"\r\n' "${file#*:}" >"$drive/QOD/Charac/${file%%:*}"
    done
}

for mode in CurrentUser AllUsers; do
    own_folder
    wine "$setup" /S "/$mode" >/dev/null 2>&1 || fail "$mode: the installer ended with $?"
    wineserver --wait
    program=$(program_files | grep -i '/charac\.exe$' || true)
    [ -n "$program" ] || { fail "$mode: no charac.exe installed"; continue; }
    echo "$mode: installed $program"
    case "$mode:$program" in
        CurrentUser:*/users/*/Programs/Charac/charac.exe | AllUsers:*/Program\ Files/Charac/charac.exe) ;;
        *) fail "$mode: installed into the wrong folder" ;;
    esac
    [ -f "$(dirname "$program")/platforms/qwindows.dll" ] || fail "$mode: no platform plug-in"
    [ "$(registry_keys "$mode" | wc -l)" -eq 3 ] || fail "$mode: not registered ($(registry_keys "$mode"))"

    link=$(find "$drive" -name Charac.lnk -path '*Start Menu*' | head -n 1)
    if [ -z "$link" ]; then
        fail "$mode: no Start-menu entry"
    else
        wine start /unix "$link" >/dev/null 2>&1 || true
        wait_for "$drive/QOD/Charac/stuff.qoc" 'Leather' || fail "$mode: the Start-menu entry did not start Charac"
        stop_wine
    fi

    # Wine takes file types from the machine's classes only, where Windows adds the user's own: for
    # the current user the association is read back from the registry instead.
    if [ "$mode" = CurrentUser ]; then
        wine reg query 'HKCU\Software\Classes\Charac.Character\shell\open\command' 2>/dev/null |
            grep -qF "$(winepath -w "$program" 2>/dev/null)\" \"%1\"" || fail "$mode: character files are not Charac's"
    else
        wine start 'C:\Party\Tessa.QOZ' >/dev/null 2>&1 || true
        wait_for "$drive/QOD/Charac/pathC.txt" 'Party' || fail "$mode: a character file did not open in Charac"
        stop_wine
    fi

    wine "$(dirname "$program")/uninstall.exe" /S "/$mode" >/dev/null 2>&1 || fail "$mode: the uninstaller ended with $?"
    # The uninstaller runs on from a copy of itself and returns before the files are gone.
    wineserver --wait
    left=$(program_files; find "$drive" -name Charac.lnk; registry_keys "$mode")
    [ -z "$left" ] || fail "$mode: left behind: $left"
    [ -f "$drive/Party/Tessa.QOZ" ] || fail "$mode: the uninstaller took a character"
done

[ "$failures" -eq 0 ] && echo "installer_test: installed, started from the Start menu, opened a character and uninstalled"
exit "$failures"
