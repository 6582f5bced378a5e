#!/usr/bin/env bash
# vesperanova --tonight: JSON whose clock times carry the offset in force (a night across the
# spring change has both), null events and a note where the Sun does not set, a table, and exit
# status 2 for an unknown option. Reference for the times: tools/twilight_reference.py
# 19.9167 50.0333 2024-03-30T11:00 23 (sunset 17:09:39 UT, sunrise 04:18:27 UT).
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_CONFIG_HOME="$tmp/config"
export HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

krakow=(--lon 19:55E --lat 50:02N --tz Europe/Warsaw)
"$exe" --tonight --date 2024-03-30T20:00 "${krakow[@]}" --json >"$tmp/spring.json" 2>"$tmp/err" ||
    fail "spring run failed: $(cat "$tmp/err")"
"$exe" --tonight --date 2024-06-21T12:00 --lon 18:57E --lat 69:39N --tz Europe/Oslo --json \
    >"$tmp/polar.json" 2>"$tmp/err" || fail "polar run failed: $(cat "$tmp/err")"
python3 - "$tmp/spring.json" "$tmp/polar.json" <<'PY' || fail "json content"
import datetime, json, sys
spring, polar = (json.load(open(p)) for p in sys.argv[1:3])
def utc(text):
    return datetime.datetime.fromisoformat(text).astimezone(datetime.timezone.utc)
def near(text, reference):
    want = datetime.datetime.fromisoformat(reference + "+00:00")
    return abs((utc(text) - want).total_seconds()) <= 60
assert spring["sunset"].endswith("+01:00") and near(spring["sunset"], "2024-03-30T17:09:39"), spring
assert spring["sunrise"].endswith("+02:00") and near(spring["sunrise"], "2024-03-31T04:18:27"), spring
assert spring["notes"] == [], spring
assert polar["sunset"] is None and polar["astronomical_dusk"] is None, polar
assert polar["notes"][:2] == ["the Sun does not set", "no astronomical darkness"], polar
PY

"$exe" --tonight --date 2024-03-30T20:00 "${krakow[@]}" >"$tmp/table" 2>"$tmp/err" ||
    fail "table run failed"
grep -q '^Sunset  *2024-03-30T18:' "$tmp/table" || fail "table: $(cat "$tmp/table")"

"$exe" --tonight --bogus >/dev/null 2>"$tmp/err"
[ $? -eq 2 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "unknown option: $(cat "$tmp/err")"
echo ok
