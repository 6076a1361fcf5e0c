#!/bin/sh
# The manual page renders without a warning, in groff and in man as Debian's package checker runs it,
# and names every option that the program's --help lists, so that a new option does not go missing
# from it.
#
#   manual_test.sh PROGRAM MANUAL_PAGE
# Exits 77 (skipped) when groff or man is missing.
set -u
program=$1
page=$2

for tool in groff man; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

groff -man -ww -z "$page" >"$work/groff" 2>&1
[ ! -s "$work/groff" ] || { cat "$work/groff"; fail "groff warns about $page"; }
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/man" >/dev/null \
    || fail "man cannot render $page"
[ ! -s "$work/man" ] || { cat "$work/man"; fail "man warns about $page"; }

# The options are the words with a leading dash in the first column of --help's option lines; the
# page describes one where it is the tag of an item (the line after .TP) of its OPTIONS section.
sed -n '/^\.SH OPTIONS/,/^\.SH /{/^\.TP/{n;p}}' "$page" | sed 's/\\-/-/g' >"$work/tags"
[ -s "$work/tags" ] || fail "$page has no items under OPTIONS"
options=$(QT_QPA_PLATFORM=offscreen "$program" --help | sed -n 's/^  \(-[^ ].*\)  .*/\1/p' | tr -s ', ' '\n\n' | grep '^-')
[ -n "$options" ] || fail "no option read from $program --help"
for option in $options; do
    grep -qw -e "$option" "$work/tags" || fail "$page does not describe $option"
done
echo "the manual page renders cleanly and describes:" $options
