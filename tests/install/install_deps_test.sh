#!/bin/sh
# scripts/install-deps on a machine where every package is missing, for a user who is not root:
# without sudo it installs nothing and tells the command to run as root; with sudo it installs
# through sudo. dpkg-query, id, sudo and apt-get are stand-ins that log their calls.
#
#   install_deps_test.sh SOURCE_DIR
set -u
script=$1/scripts/install-deps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

bin=$work/bin
mkdir "$bin"
ln -s "$(command -v grep)" "$bin/grep"
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
printf '#!/bin/sh\necho 1000\n' >"$bin/id"
printf '#!/bin/sh\necho "apt-get $*" >>"%s/calls"\n' "$work" >"$bin/apt-get"
chmod +x "$bin"/*

# No sudo.
if PATH=$bin /bin/sh "$script" run >"$work/out" 2>&1; then fail "succeeded without root or sudo"; fi
grep -qx "  apt-get update && apt-get install -y cmake make g++ qt6-base-dev libgl-dev librsvg2-bin fonts-dejavu-core fonts-liberation" \
    "$work/out" || { cat "$work/out"; fail "the command for root is not printed"; }
[ ! -e "$work/calls" ] || fail "apt-get ran without root"

# With sudo: both apt-get calls go through it, and "test" asks for the test tools too.
printf '#!/bin/sh\necho "sudo $*" >>"%s/calls"\n' "$work" >"$bin/sudo"
chmod +x "$bin/sudo"
PATH=$bin /bin/sh "$script" test >"$work/out" 2>&1 || { cat "$work/out"; fail "failed with sudo"; }
grep -q "^sudo apt-get update" "$work/calls" || fail "apt-get update did not go through sudo"
grep -q "^sudo env DEBIAN_FRONTEND=noninteractive apt-get install .* fonts-liberation .*desktop-file-utils appstream" \
    "$work/calls" || { cat "$work/calls"; fail "apt-get install did not go through sudo with the test packages"; }
echo "install-deps asks for root or uses sudo"
