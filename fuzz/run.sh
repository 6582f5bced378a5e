#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour checks) and runs each.
#   fuzz/run.sh [SECONDS]      default 60 seconds per target
# Needs clang and libclang-rt-14-dev (not needed by the normal build or tests).
set -euo pipefail
seconds="${1:-60}"
src="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$src/build-fuzz}"
mkdir -p "$out"
cxx="${CXX_FUZZ:-clang++}"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I"$src/src")

"$cxx" "${flags[@]}" -o "$out/fuzz_catalog" "$src/fuzz/fuzz_catalog.cpp" "$src"/src/catalog/*.cpp \
    "$src"/src/files/*.cpp
"$cxx" "${flags[@]}" -o "$out/fuzz_profile" "$src/fuzz/fuzz_profile.cpp" \
    "$src/src/settings/Profile.cpp" "$src/src/settings/IniFile.cpp" "$src"/src/files/*.cpp
"$cxx" "${flags[@]}" -o "$out/fuzz_zones" "$src/fuzz/fuzz_zones.cpp" "$src"/src/catalog/*.cpp \
    "$src/src/astro/ZoneFiles.cpp" "$src"/src/files/*.cpp
"$cxx" "${flags[@]}" -o "$out/fuzz_picture" "$src/fuzz/fuzz_picture.cpp" \
    "$src/src/picturefiles/PictureLookup.cpp"

# Seeds: the committed catalogue files (each behind its selector byte) and a written profile.
mkdir -p "$out/corpus_catalog" "$out/corpus_profile"
i=0
for f in bsc5.big cnstline.bin constell.bin messier.bin deepsky.bin names.bin eclip.dat \
         milky.bin magellan.bin location.bin; do
    if [ -f "$src/data/$f" ]; then
        { printf "\\x$(printf %02x $i)"; cat "$src/data/$f"; } > "$out/corpus_catalog/$f"
    fi
    i=$((i + 1))
done
printf '[Settings]\nLevel=2\nTurnX=18.00\nb=0.0000\n[Location]\nTimeZone= 1.0\n[Recent File List]\nFile1=/tmp/a.jpg\n' \
    > "$out/corpus_profile/seed.ini"

# Zones: the installed place table (selector 0) and a few of the system's zone files (1).
mkdir -p "$out/corpus_zones"
{ printf '\x00'; cat "$src/data/placezones.tab"; } > "$out/corpus_zones/placezones.tab"
for z in Europe/Warsaw America/New_York Australia/Adelaide Asia/Kolkata UTC; do
    [ -f "/usr/share/zoneinfo/$z" ] &&
        { printf '\x01'; cat "/usr/share/zoneinfo/$z"; } > "$out/corpus_zones/${z//\//_}"
done

# Pictures: the sample pictures, each behind the selector byte of the .jpg name.
mkdir -p "$out/corpus_picture"
for f in "$src"/data/Images/*; do
    [ -f "$f" ] && { printf '\x00'; cat "$f"; } > "$out/corpus_picture/$(basename "$f")"
done

status=0
# The longest catalogue file (bsc5.big) is 254,660 bytes; profiles are small text files.
# The place table is 14 kB, zone files a few kB.
declare -A max_len=([catalog]=300000 [profile]=8192 [picture]=65536 [zones]=20000)
for target in ${FUZZ_TARGETS:-catalog profile picture zones}; do
    echo "== fuzz_$target for ${seconds}s"
    if ! (cd "$out" && ./"fuzz_$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
            -print_final_stats=1 "corpus_$target" 2>&1 | tail -n 12); then
        status=1
    fi
done
exit $status
