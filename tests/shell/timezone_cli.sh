#!/usr/bin/env bash
# vesperanova --ephemeris --place/--tz: the offset used for clock times on both sides of the 2026
# daylight-saving changes, in the spring gap and the repeated autumn hour, and in zones without
# summer time, compared with Python's zoneinfo (an independent reader of the same tz database,
# with fold = 0: the offset before the change reads a skipped or repeated clock time; the offset
# reported is the one in force at that instant); a named zone gives the same numbers as the
# equal fixed offset; bad names exit with status 2.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

python3 - "$exe" <<'PY' || fail "offsets differ from zoneinfo"
import json, subprocess, sys
from datetime import datetime
from zoneinfo import ZoneInfo
exe = sys.argv[1]
cases = [
    ("Poland:Krakow", "Europe/Warsaw", ["2026-03-29T01:59", "2026-03-29T02:30", "2026-03-29T03:00",
                                        "2026-10-25T01:59", "2026-10-25T02:30", "2026-10-25T03:00"]),
    ("USA:New York", "America/New_York", ["2026-03-08T01:30", "2026-03-08T02:30", "2026-03-08T03:00",
                                          "2026-11-01T01:30", "2026-11-01T02:00", "2026-01-15T12:00"]),
    ("Australia:Adelaide", "Australia/Adelaide", ["2026-04-05T02:30", "2026-04-05T03:00",
                                                  "2026-10-04T02:30", "2026-10-04T03:00"]),
    ("Chile:Santiago", "America/Santiago", ["2026-04-04T23:30", "2026-09-06T00:30"]),
    ("India:Kolkata", "Asia/Kolkata", ["2026-01-15T12:00", "2026-07-15T12:00"]),
    ("USA:Phoenix", "America/Phoenix", ["2026-01-15T12:00", "2026-07-15T12:00"]),
    ("Iran:Tehran", "Asia/Tehran", ["2026-01-15T12:00", "2026-07-15T12:00"]),
]
for place, zone, dates in cases:
    for date in dates:
        out = subprocess.run([exe, "--ephemeris", "--json", "--place", place.lower(), "--date", date],
                             capture_output=True, text=True, check=True).stdout
        d = json.loads(out)
        # The instant is that of zoneinfo's reading; the offset is the one in force then (a
        # skipped clock time is reported as the clock time that exists, in summer time).
        ut = datetime.fromisoformat(date).replace(tzinfo=ZoneInfo(zone)).timestamp()
        want = datetime.fromtimestamp(ut, ZoneInfo(zone)).utcoffset()
        want_hours = want.total_seconds() / 3600
        assert d["zone_name"] == zone, (place, d["zone_name"])
        assert d["utc_offset"] == want_hours, (place, date, d["utc_offset"], want_hours)
        assert abs(d["jd"] - (ut / 86400 + 2440587.5)) < 1e-6, (place, date, d["jd"])
PY

# A named zone gives the very numbers of the equal fixed offset.
"$exe" --ephemeris --json --place Poland:Krakow --date 2026-07-14T22:00 >"$tmp/named" ||
    fail "named run"
"$exe" --ephemeris --json --place Poland:Krakow --zone 2 --date 2026-07-14T22:00 >"$tmp/fixed" ||
    fail "fixed run"
grep -q '"zone_name": ""' "$tmp/fixed" || fail "fixed offset has a zone name"
diff <(sed 's/"zone_name": "[^"]*"//' "$tmp/named") <(sed 's/"zone_name": "[^"]*"//' "$tmp/fixed") \
    >/dev/null || fail "named and fixed offsets differ"

# The table names the offset used.
"$exe" --ephemeris --tz Europe/Warsaw --date 2026-07-14T22:00 >"$tmp/table" || fail "table run"
grep -q "zone +2.0 h, Europe/Warsaw, summer time" "$tmp/table" || fail "heading: $(head -1 "$tmp/table")"
# A clock time the spring change skips is headed as the clock time that exists then.
"$exe" --ephemeris --place poland:krakow --date 2026-03-29T02:30 >"$tmp/gap" || fail "gap run"
grep -q "^2026-03-29 03:30:00 clock time, zone +2.0 h, Europe/Warsaw, summer time$" "$tmp/gap" ||
    fail "gap heading: $(head -1 "$tmp/gap")"

for bad in "--place Atlantis:Nowhere" "--tz Europe/Atlantis"; do
    # shellcheck disable=SC2086
    "$exe" --ephemeris $bad >"$tmp/out" 2>"$tmp/err"
    [ $? -eq 2 ] || fail "status for $bad"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "not one line for $bad"
done
"$exe" --ephemeris --help | grep -q -- "--place" || fail "--help lacks --place"
echo "ok"
