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
classes=$(env -u QT_QPA_PLATFORM CHARAC_HOME="$home" xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    "$1" & program=$!
    window=""; tries=0
    while [ -z "$window" ] && [ $tries -lt 100 ]; do
        window=$(xdotool search --pid "$program" --name "^Charac\$" 2>/dev/null | head -n 1)
        [ -n "$window" ] || sleep 0.1
        tries=$((tries + 1))
    done
    [ -n "$window" ] && xprop -id "$window" WM_CLASS
    kill "$program"' sh "$charac" 2>/dev/null)
case $classes in
    *"\"$expected\""*) echo "WM_CLASS matches StartupWMClass=$expected" ;;
    *) echo "FAIL: the window's class is '$classes', the desktop entry says '$expected'"; exit 1 ;;
esac
