#!/usr/bin/env bash
# Files written safely and read robustly by the console modes and the desktop program's start:
# outputs that are no regular file refused and left alone, planted links not followed, one file
# named twice refused before anything is written, modes kept, read errors reported with a status
# below 128, damaged catalogue files named, no display reported.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_CONFIG_HOME="$tmp/config"
export HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" "$tmp/work"
cd "$tmp/work" || exit 1
when=(--date 2024-03-10T22:00 --lon 19:55E --lat 50:02N --zone 1)
small=("${when[@]}" --size 200x150)

# A pipe as the JSON output: refused before the chart is drawn; the pipe stays a pipe.
mkfifo pipe.json
"$exe" --render a.png "${small[@]}" --objects pipe.json 2>err.txt
[ $? -eq 1 ] || fail "--objects onto a pipe must exit 1"
[ -p pipe.json ] || fail "the pipe was replaced"
[ ! -e a.png ] || fail "the chart was written although --objects was refused"
grep -q "pipe.json" err.txt || fail "the message does not name the pipe: $(cat err.txt)"

# One file named twice: status 2, nothing written.
"$exe" --render same.png "${small[@]}" --objects ./same.png 2>err.txt
[ $? -eq 2 ] || fail "--render and --objects naming one file must exit 2"
[ ! -e same.png ] || fail "something was written to the file named twice"

# Links planted at the old fixed temporary names are not followed; an existing chart keeps its
# mode; a missing folder is named.
echo precious >victim
ln -s "$PWD/victim" b.png.part
ln -s "$PWD/victim" b.json.part
echo old >b.png
chmod 640 b.png
"$exe" --render b.png "${small[@]}" --objects b.json || fail "render with planted links failed"
[ "$(cat victim)" = precious ] || fail "a planted link was followed"
[ "$(stat -c %a b.png)" = 640 ] || fail "the chart's mode changed to $(stat -c %a b.png)"
[ "$(head -c 4 b.png | tail -c 3)" = PNG ] || fail "b.png is not the new chart"
"$exe" --render c.png "${small[@]}" --objects nofolder/c.json 2>err.txt
[ $? -eq 1 ] || fail "--objects into a missing folder must exit 1"
grep -q "does not exist" err.txt || fail "the missing folder is not named: $(cat err.txt)"
[ ! -e c.png ] || fail "the chart was left behind by a failed --objects"

# A profile that cannot be read: one line naming it, a status that is no signal.
"$exe" --ephemeris --profile /proc/self/mem 2>err.txt
status=$?
[ $status -gt 0 ] && [ $status -lt 128 ] || fail "unreadable profile gave status $status"
grep -q "/proc/self/mem" err.txt || fail "the profile is not named: $(cat err.txt)"

# Catalogue files: a short one is named and used, one that fails while read stops with 3.
: >names.bin
"$exe" --info HR1 "${when[@]}" >out.txt 2>err.txt || fail "--info with an empty names.bin failed"
grep -q "names.bin" err.txt || fail "the empty names.bin is not named: $(cat err.txt)"
ln -s /proc/self/mem bsc5.big
"$exe" --info HR1 "${when[@]}" 2>err.txt
[ $? -eq 3 ] || fail "an unreadable bsc5.big must exit 3"
grep -q "bsc5.big" err.txt || fail "the unreadable file is not named: $(cat err.txt)"
rm bsc5.big names.bin

# No display: a message and status 1.
"$exe" --no-splash 2>err.txt
[ $? -eq 1 ] || fail "without a display the desktop program must exit 1"
grep -q "graphical display" err.txt || fail "no message without a display: $(cat err.txt)"
[ ! -e "$XDG_CONFIG_HOME/vesperanova/nocta.ini" ] || fail "the profile was written"
echo "file safety: ok"
