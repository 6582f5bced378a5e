#!/usr/bin/env bash
# `make configure` (and so `make build` and `make package`) works in a tree whose build folder
# was configured from another folder: tools/forget-moved-build.sh drops that folder's cache,
# and keeps the cache of a build folder configured from this tree.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
src="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for case in "moved:/nowhere/vesperanova" "this:$src"; do
    name=${case%%:*}
    home=${case#*:}
    mkdir -p "$tmp/$name/CMakeFiles"
    printf 'CMAKE_HOME_DIRECTORY:INTERNAL=%s\n' "$home" >"$tmp/$name/CMakeCache.txt"
    (cd "$src" && tools/forget-moved-build.sh "$tmp/$name") >"$tmp/$name.out" || fail "$name: script failed"
done
[ ! -e "$tmp/moved/CMakeCache.txt" ] && [ ! -e "$tmp/moved/CMakeFiles" ] ||
    fail "the cache of a build folder from another tree is kept"
grep -q "configured from /nowhere/vesperanova" "$tmp/moved.out" || fail "no message: $(cat "$tmp/moved.out")"
[ -e "$tmp/this/CMakeCache.txt" ] && [ ! -s "$tmp/this.out" ] ||
    fail "the cache of this tree's build folder is dropped"
grep -q 'forget-moved-build.sh $(BUILD_DIR)' "$src/Makefile" || fail "make configure does not check its build folder"
echo "moved tree ok"
