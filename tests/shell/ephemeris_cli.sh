#!/usr/bin/env bash
# vesperanova --ephemeris: JSON that parses with the ten bodies and the horizon ring, a table,
# exit status 2 with one line on stderr for bad input, no display, no profile written.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# No display and an empty configuration directory: the mode must need neither.
export XDG_CONFIG_HOME="$tmp/config"
export HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

"$exe" --ephemeris --date 2000-01-01T12:00 --lon 0:00W --lat 51:29N --zone 0 --json \
    >"$tmp/out.json" 2>"$tmp/err" || fail "json run failed: $(cat "$tmp/err")"
python3 - "$tmp/out.json" <<'PY' || fail "json content"
import json, sys
d = json.load(open(sys.argv[1]))
keys = ["model", "jd", "t1900", "t2000", "gst", "lst", "longitude", "latitude", "bodies", "horizon",
        "utc_offset", "zone_name"]
assert list(d.keys()) == keys, d.keys()
assert d["model"] == "classic", d["model"]
assert d["jd"] == 2451545.0 and d["t2000"] == 0.0 and d["t1900"] == 1.0, d["jd"]
assert abs(d["gst"] - 280.46061837) < 1e-9
names = [b["name"] for b in d["bodies"]]
assert names == ["Moon", "Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                 "Neptune", "Pluto"], names
for b in d["bodies"]:
    assert set(b) == {"name", "ra", "dec", "aux", "distance"}, b
    # %.17g writes an exact zero as 0, which JSON reads as an integer: any number will do.
    assert all(type(b[k]) in (int, float) for k in ("ra", "dec", "aux", "distance")), b
assert d["bodies"][1]["aux"] == 0.0
assert len(d["horizon"]) == 73 and all(len(p) == 2 for p in d["horizon"])
assert d["horizon"][0] == d["horizon"][72]
assert abs(d["horizon"][0][1] - -(90 - (51 + 29 / 60))) < 1e-4
PY

# The precise model: the same instant, apparent places of date and apparent sidereal time
# (Astronomical Almanac 2000: apparent GST at 2000 Jan 1 12h UT 18h 41m 49.7s).
"$exe" --ephemeris --date 2000-01-01T12:00 --lon 0:00W --lat 51:29N --zone 0 --json --precise \
    >"$tmp/precise.json" 2>"$tmp/err" || fail "precise run failed: $(cat "$tmp/err")"
python3 - "$tmp/precise.json" <<'PY' || fail "precise json content"
import json, sys
d = json.load(open(sys.argv[1]))
assert d["model"] == "precise", d["model"]
assert abs(d["gst"] / 15 - (18 + 41 / 60 + 49.7 / 3600)) < 0.1 / 3600, d["gst"]
PY

"$exe" --ephemeris --date 2024-03-10T20:30 >"$tmp/table" 2>"$tmp/err" || fail "table run failed"
for body in Moon Sun Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto; do
    grep -q "^$body " "$tmp/table" || fail "table lacks $body"
done
grep -q "Poland:Krakow" "$tmp/table" || fail "default place not used"

check_bad() {
    "$exe" --ephemeris "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ "$status" -eq 2 ] || fail "status $status for $*"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "not one line on stderr for $*: $(cat "$tmp/err")"
    [ ! -s "$tmp/out" ] || fail "output despite error for $*"
}
check_bad --bogus
check_bad --lon 200:00E
check_bad --lat 50:02X
check_bad --date 2023-02-29T10:00
check_bad --zone 15
check_bad --date
grep -q -- "--date" "$tmp/err" || fail "error does not name --date"

# Nothing was written: neither the default profile nor one named on the command line.
"$exe" --ephemeris --profile "$tmp/named.ini" --json >/dev/null 2>&1 || fail "named profile run"
[ ! -e "$tmp/named.ini" ] || fail "profile written"
[ -z "$(find "$tmp/config" "$HOME" -type f 2>/dev/null)" ] || fail "files written under config"
echo "ok"
