#!/bin/sh
# Installs the build as a user does, into ~/.local (here a temporary one, below a folder with a blank
# in its name), and checks it as a desktop would see it: the install refreshed the desktop's caches,
# so that a character file has its type and opens in Charac, with no change to the PATH; the launcher
# entry starts the installed program by its full path and, like the software-centre description,
# passes its validator; the icons are where the desktop looks; and the installed program (in the
# build's CMAKE_INSTALL_BINDIR) answers --version and --help and, on its first start with an empty
# home, copies the starter catalogue from <prefix>/share/charac.
#
#   install_test.sh CMAKE BUILD_DIR
# Exits 77 (skipped) when desktop-file-validate, appstreamcli or gio is missing.
set -u
cmake=$1
build=$2
id=io.github.qodcharac.Charac

for tool in desktop-file-validate appstreamcli gio; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/first_start.sh"

prefix="$work/a home/.local"
share=$prefix/share
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
case $bindir in /*) charac=$bindir/charac ;; *) charac=$prefix/${bindir:-bin}/charac ;; esac
XDG_DATA_HOME=$share "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

desktop=$share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qxF "Exec=\"$charac\" %f" "$desktop" || { grep Exec "$desktop"; fail "the desktop entry does not start $charac"; }
appstreamcli validate --no-net --strict "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q '<release version="1.014"' "$share/metainfo/$id.metainfo.xml" || fail "metainfo lacks release 1.014"

# Each fixed-size icon is a PNG of its size: width and height are the big-endian words at byte 16.
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -s "$png" ] || fail "no icon $png"
    set -- $(od -An -tu1 -j16 -N8 "$png")
    [ $(($1 << 24 | $2 << 16 | $3 << 8 | $4)) -eq "$size" ] && [ $(($5 << 24 | $6 << 16 | $7 << 8 | $8)) -eq "$size" ] \
        || fail "$png is not ${size}x${size}"
done

# The character file type: well-formed, one glob that takes every letter case.
mime=$share/mime/packages/$id.xml
[ -s "$mime" ] || fail "no $mime"
if command -v xmllint >/dev/null; then
    xmllint --noout "$mime" || fail "xmllint $mime"
else
    echo "xmllint is not installed: the MIME file is not checked for well-formedness"
fi
grep -q ':application/x-qod-character:\*\.qoz$' "$share/mime/globs2" || fail "*.qoz is not a character file"
grep -q "^MimeType=application/x-qod-character;$" "$desktop" || fail "the desktop entry does not open character files"

# The caches the install refreshed: a file named in any letter case is a character file, and opens in
# Charac, as in a fresh account whose PATH does not name the program's folder.
[ -s "$share/icons/hicolor/icon-theme.cache" ] || fail "the install did not refresh the icon cache"
printf 'Tessa\r\n' >"$work/Tessa.QOZ"
as_desktop() { env XDG_DATA_HOME="$share" XDG_CONFIG_HOME="$work/config" GIO_USE_VFS=local "$@"; }
type=$(as_desktop gio info -a standard::content-type "$work/Tessa.QOZ" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-qod-character ] || fail "Tessa.QOZ has the type '$type'"
as_desktop gio mime application/x-qod-character | grep -q "^Default application for .*: $id.desktop$" \
    || { as_desktop gio mime application/x-qod-character; fail "character files do not open in Charac"; }

[ "$("$charac" --version)" = "Charac 1.014" ] || fail "--version printed '$("$charac" --version)'"
"$charac" --help >/dev/null || fail "--help exited non-zero"

first_start "$charac" "$share/charac/stuff.qoc" "$work/home"
echo "installed and started from $prefix"
