#!/usr/bin/env bash
# make install's layout: installs the built tree into a scratch prefix and
# checks that a desktop finds the entry, that the entry starts the installed
# program by its full path, and that the bundled script library came along.
#
#   install_layout.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build_dir=$1
source_dir=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/talvoro-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for program in talvoro talvoro-run; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed as an executable"
done
cmp -s "$prefix/bin/scripts.tvo" "$source_dir/src/app/scripts.tvo" || fail "bin/scripts.tvo is not the bundled library"

entry="$prefix/share/applications/talvoro.desktop"
[ -f "$entry" ] || fail "no desktop entry"
grep -qx "Exec=$prefix/bin/talvoro" "$entry" || fail "the entry does not start $prefix/bin/talvoro: $(grep '^Exec=' "$entry")"
grep -qx "Icon=talvoro" "$entry" || fail "the entry names no icon talvoro"
[ -f "$prefix/share/icons/hicolor/scalable/apps/talvoro.svg" ] || fail "no icon where the entry's name leads"
echo "PASS"
