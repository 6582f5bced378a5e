#!/usr/bin/env bash
# A build folder configured from another source folder (the tree was moved or copied with its
# build folder) stops cmake ("does not match the source ... used to generate cache"). This drops
# that folder's cache so that the configure step after it starts afresh for this tree; the
# built files are remade. A build folder of this tree, or none, is left alone.
#
#   tools/forget-moved-build.sh BUILD_DIR [SOURCE_DIR]   (SOURCE_DIR: the current folder)
set -euo pipefail
build=${1:?build folder}
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || exit 0
here=$(cd "${2:-.}" && pwd -P)
home=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
there=$(cd "$home" 2>/dev/null && pwd -P || true)
[ -n "$home" ] && [ "$there" = "$here" ] && exit 0
echo "$build/ was configured from ${home:-an unknown folder}; configuring it afresh for $here"
rm -rf "$cache" "$build/CMakeFiles"
