#!/bin/sh
# Installs the build into a temporary prefix and checks it as a desktop would see it: the launcher
# entry and the software-centre description pass their validators, the icons and the character file
# type are where the desktop looks, and the installed program answers --version and --help and, on
# its first start with an empty home, copies the starter catalogue from <prefix>/share/charac.
#
#   install_test.sh CMAKE BUILD_DIR
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is missing.
set -u
cmake=$1
build=$2
id=io.github.qodcharac.Charac

for tool in desktop-file-validate appstreamcli; do
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

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
share=$prefix/share

desktop=$share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
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

# The character file type: well-formed, and the MIME database built from it knows both spellings.
mime=$share/mime/packages/$id.xml
[ -s "$mime" ] || fail "no $mime"
if command -v xmllint >/dev/null; then
    xmllint --noout "$mime" || fail "xmllint $mime"
else
    echo "xmllint is not installed: the MIME file is not checked for well-formedness"
fi
XDG_DATA_DIRS=$share update-mime-database "$share/mime" || fail "update-mime-database"
grep -q ':application/x-qod-character:\*\.qoz$' "$share/mime/globs2" || fail "*.qoz is not a character file"
grep -q "^MimeType=application/x-qod-character;$" "$desktop" || fail "the desktop entry does not open character files"

charac=$prefix/bin/charac
[ "$("$charac" --version)" = "Charac 1.014" ] || fail "--version printed '$("$charac" --version)'"
"$charac" --help >/dev/null || fail "--help exited non-zero"

# First start with an empty home: the program folder is made and given the starter catalogue before
# the window comes up (to wait for its first-start message, which nothing answers here).
home=$work/home
mkdir "$home"
env -u CHARAC_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$charac" >"$work/out" 2>&1 &
pid=$!
catalogue=$home/QOD/Charac/stuff.qoc
tries=0
while [ ! -s "$catalogue" ] && [ $tries -lt 50 ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    tries=$((tries + 1))
done
kill -0 "$pid" 2>/dev/null || { cat "$work/out"; fail "the installed program ended on its first start"; }
[ -s "$catalogue" ] || fail "the first start made no $catalogue"
cmp -s "$catalogue" "$share/charac/stuff.qoc" || fail "$catalogue is not the installed starter catalogue"
echo "installed and started from $prefix"
