#!/usr/bin/env bash
# vesperanova --telescope against indiserver's simulated mount on a free loopback port: a goto
# ends on the apparent place of date in both hemispheres, status in JSON, refused slews, an
# unknown object, no server, the server killed mid-slew and a server sending garbage. Each server
# gets its own local socket (-u), so that test runs and a server already running never clash.
# Reference apparent places: swetest (Swiss Ephemeris, DE431) for 2026-12-10 17:00 UT,
# `swetest -b10.12.2026 -ut17:00 -pf -xfNAME -fPad -head -eswe` (RA in degrees, Dec).
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
tmp="$(mktemp -d)"
server=""
fake=""
cleanup() {
    for pid in $server $fake; do
        kill -9 "$pid" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_CONFIG_HOME="$tmp/config"
export HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
command -v indiserver >/dev/null || fail "indiserver is not installed (package indi-bin)"

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
start_server() {
    port="$(free_port)"
    indiserver -p "$port" -u "$tmp/indiserver" indi_simulator_telescope >"$tmp/indi.log" 2>&1 &
    server=$!
    for _ in $(seq 50); do
        "$exe" --telescope "localhost:$port" --status >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    fail "the simulator did not come up: $(cat "$tmp/indi.log")"
}
when=(--date 2026-12-10T17:00 --zone 0 --lat 50:00N --lon 20:00E)

start_server
"$exe" --telescope "localhost:$port" --status --json >"$tmp/status" || fail "status"
grep -q '"state": "\(Idle\|Tracking\|Parked\)"' "$tmp/status" || fail "status: $(cat "$tmp/status")"

# name, swetest RA (degrees) and Dec; the mount must end within 1'.
while read -r name ra dec; do
    "$exe" --telescope "localhost:$port" --goto "$name" "${when[@]}" --json --timeout 60 \
        >"$tmp/goto" 2>"$tmp/err" || fail "goto $name: $(cat "$tmp/err")"
    python3 - "$tmp/goto" "$ra" "$dec" <<'PY' || fail "goto $name: $(cat "$tmp/goto")"
import json, math, sys
got = json.load(open(sys.argv[1]))["mount"]
ra, dec = math.radians(float(sys.argv[2])), math.radians(float(sys.argv[3]))
mra, mdec = math.radians(got["ra_hours"] * 15), math.radians(got["dec_degrees"])
cos = math.sin(dec) * math.sin(mdec) + math.cos(dec) * math.cos(mdec) * math.cos(ra - mra)
assert got["state"] == "Tracking" and math.degrees(math.acos(min(1, cos))) < 1 / 60, got
PY
done <<'LIST'
Vega 279.4572228 38.8100298
Fomalhaut 344.7862471 -29.4808271
LIST

expect() { # expected status, a word of the message, arguments...
    local want="$1" word="$2"
    shift 2
    timeout 30 "$exe" "$@" >/dev/null 2>"$tmp/err"
    local rc=$?
    [ "$rc" = "$want" ] && grep -qi "$word" "$tmp/err" || fail "$* -> $rc: $(cat "$tmp/err")"
}
expect 4 "below the horizon" --telescope "localhost:$port" --goto Canopus "${when[@]}"
expect 2 "unknown object" --telescope "localhost:$port" --goto "No Such Star" "${when[@]}"
expect 2 "HOST:PORT" --telescope "localhost:notaport" --status

# Killed mid-slew: the long slew to the other side of the sky ends in a failure, not a hang.
"$exe" --telescope "localhost:$port" --goto Sirius --force "${when[@]}" >/dev/null 2>"$tmp/err" &
client=$!
sleep 1.5
kill "$server"
wait "$server" 2>/dev/null
server=""
timeout 20 tail --pid="$client" -f /dev/null || fail "the client hung after the server died"
wait "$client"
[ $? = 4 ] || fail "server killed mid-slew: $(cat "$tmp/err")"

# Nothing listening on the (now closed) port.
expect 4 "cannot reach" --telescope "localhost:$port" --status

# A server that answers with bytes no INDI server sends.
python3 - "$tmp/garbage.port" <<'PY' &
import socket, sys
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(1)
open(sys.argv[1], "w").write(str(s.getsockname()[1]))
c, _ = s.accept()
c.sendall(b"<defSwitchVector device='x' name='CONNECTION'>" + b"\x00\x01\xff" * 1000)
c.recv(1)
PY
fake=$!
for _ in $(seq 50); do [ -s "$tmp/garbage.port" ] && break; sleep 0.1; done
expect 4 "not INDI" --telescope "localhost:$(cat "$tmp/garbage.port")" --status
echo "ok"
