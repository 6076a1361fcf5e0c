#!/bin/sh
# The window as the desktop sees it under X11: its class (WM_CLASS) is the StartupWMClass of the
# desktop entry, so that a dock matches the running window to its launcher.
#
#   window_class_test.sh CHARAC DESKTOP_FILE
# Exits 77 (skipped) when xvfb-run, xdotool or xprop is missing.
set -u
charac=$1
desktop=$2
for tool in xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# Path files in place, so that the first start shows the window without its message.
for f in "pa 0.txt" "pa 1.txt" "pa 2.txt" "pathC.txt"; do printf '"%s/"\r\n' "$home" >"$home/$f"; done
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$expected" ] || { echo "FAIL: $desktop names no StartupWMClass"; exit 1; }
log=$home/charac.log
classes=$(env -u QT_QPA_PLATFORM CHARAC_HOME="$home" xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    "$1" 2>"$2" & program=$!
    # A sanitizer build on a busy machine may take many seconds to show its window.
    window=""; deadline=$(($(date +%s) + 45))
    while [ -z "$window" ] && [ "$(date +%s)" -lt $deadline ] && kill -0 "$program" 2>/dev/null; do
        window=$(xdotool search --pid "$program" --name "^Charac\$" 2>/dev/null | head -n 1)
        [ -n "$window" ] || sleep 0.2
    done
    if [ -n "$window" ]; then xprop -id "$window" WM_CLASS; kill "$program"
    elif kill -0 "$program" 2>/dev/null; then echo "no window after 45 s"; kill "$program"
    else wait "$program"; echo "the program ended with status $? before its window showed"; fi' \
    sh "$charac" "$log" 2>&1)
case $classes in
    *"\"$expected\""*) echo "WM_CLASS matches StartupWMClass=$expected" ;;
    *) echo "FAIL: the window's class is '$classes', the desktop entry says '$expected'"
       [ -s "$log" ] && { echo "what the program said:"; tail -n 20 "$log"; }
       exit 1 ;;
esac
