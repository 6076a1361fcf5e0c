#!/bin/sh
# Makes the Debian package (scripts/package) twice, in two copies of the source whose build folders
# have the same name, under a builder's umask of 002, and checks that the two are the same, byte for
# byte; then checks one of them: Debian's package checker finds no error,
# no warning and no missing hardening; the package holds what a stripped install of its own tree into
# /usr holds, byte for byte, and adds only its copyright and changelog; none of the desktop's caches
# comes with it; its fields are those of the program; and the packaged program, run from the unpacked
# tree, answers --version and copies the starter catalogue beside it on its first start.
#
#   package_test.sh SOURCE_DIR
set -u
source=$(cd "$1" && pwd)
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*"; exit 1; }
. "$source/tests/install/first_start.sh"

# package COPY: the package made in a copy of the source (without its build folders), named last.
package() {
    mkdir -p "$work/$1/charac"
    (cd "$source" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -C "$work/$1/charac" -xf -
    (umask 002 && "$work/$1/charac/scripts/package") >"$work/$1.log" 2>&1 || { cat "$work/$1.log"; fail "scripts/package in $1"; }
    deb=$(tail -n 1 "$work/$1.log")
    [ -s "$deb" ] || { cat "$work/$1.log"; fail "scripts/package in $1 named no package"; }
}
package first
first=$deb
package second
if ! cmp -s "$first" "$deb"; then
    command -v diffoscope >/dev/null && diffoscope "$first" "$deb"
    fail "two builds of the same source made different packages"
fi
echo "made $deb twice, the same $(wc -c <"$deb") bytes"
source=$work/second/charac

lintian --info "$deb" >"$work/lintian" 2>&1
grep -v "^running with root privileges" "$work/lintian"
! grep -Eq "^[EW]: |^I: .* hardening-" "$work/lintian" || fail "lintian finds faults in $deb"

# The package against the install of the same tree.
dpkg-deb -x "$deb" "$work/deb" || fail "dpkg-deb -x $deb"
DESTDIR=$work/install cmake --install "$source/build-package" --prefix /usr --strip >/dev/null || fail "cmake --install"
(cd "$work/deb" && find . ! -type d | sort) >"$work/deb.files"
(cd "$work/install" && find . ! -type d | sort) >"$work/install.files"
printf '%s\n' ./usr/share/doc/charac/changelog.gz ./usr/share/doc/charac/copyright >"$work/docs"
sort -m "$work/install.files" "$work/docs" | cmp -s - "$work/deb.files" \
    || { diff "$work/install.files" "$work/deb.files"; fail "the package does not hold the install and its two documents"; }
while read -r file; do
    cmp -s "$work/deb/$file" "$work/install/$file" || fail "$file differs from the install's"
done <"$work/install.files"
for file in ./usr/games/charac ./usr/share/man/man6/charac.6.gz ./usr/share/charac/stuff.qoc; do
    grep -qx "$file" "$work/deb.files" || fail "the package has no $file"
done
! grep -Eq "/mime/[^/]*$|/mimeinfo.cache$|/icon-theme.cache$" "$work/deb.files" || fail "the package holds a desktop cache"

field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^project(Charac VERSION \([^ ]*\) .*/\1/p' "$source/CMakeLists.txt")
[ "$(field Package)" = charac ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the program is $version"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
field Depends | grep -q "libqt6widgets6" || fail "Depends: $(field Depends) lacks the Qt widgets"
changelog=$(gzip -dc "$work/deb/usr/share/doc/charac/changelog.gz" | sed -n '1s/^charac (\([^)]*\)).*/\1/p')
[ "$changelog" = "$version" ] || fail "the changelog begins with version '$changelog', the program is $version"

charac=$work/deb/usr/games/charac
[ "$("$charac" --version)" = "Charac $version" ] || fail "--version printed '$("$charac" --version)'"
first_start "$charac" "$work/deb/usr/share/charac/stuff.qoc" "$work/home"
echo "the package holds the install, and its program starts"
