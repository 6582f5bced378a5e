#!/usr/bin/env bash
# The console modes on a damaged system: damaged, huge or failing place tables in the working
# folder, an empty location.bin, a damaged faint-star file, damaged and unreadable zone files, a
# full disk and a file that cannot be replaced under --render --objects, hostile text on the
# terminal and display variants. Each ends with a clear message naming the file and the status the manual gives,
# never an abort. The parts that need a private mount namespace (root with unshare) or an X
# server (xvfb-run) are skipped without.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
src="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/home"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME" "$tmp/work"
cd "$tmp/work" || exit 1
fail=0
bad() { echo "FAIL: $*"; fail=1; }

# Krakow in July: summer time of Europe/Warsaw (the EU's rule, +2 h).
summer="zone +2.0 h, Europe/Warsaw, summer time"
krakow=(--ephemeris --place poland:krakow --date 2026-07-01T22:00)

# A damaged copy of a place file in the working folder: a warning naming it, the installed
# table used, status 0. $1 = what, $2 = the file, then the command making it.
place_case() {
    local what="$1" file="$2"
    shift 2
    rm -f placezones.tab location.bin
    "$@"
    local out err status
    out="$("$exe" "${krakow[@]}" 2>"$tmp/err" | head -1)"
    status=${PIPESTATUS[0]}
    err="$(cat "$tmp/err")"
    [ "$status" -eq 0 ] || bad "$what: status $status ($err)"
    [[ "$out" == *"$summer"* ]] || bad "$what: heading '$out'"
    [[ "$err" == *"warning: "*"$tmp/work/$file"* ]] || bad "$what: no warning naming $file: $err"
    [ "${#err}" -lt 1000 ] || bad "$what: ${#err} bytes of messages"
}
place_case "place zones cut at 2000 bytes" placezones.tab \
    sh -c "head -c 2000 '$src/data/placezones.tab' >placezones.tab"
place_case "place zones of random bytes" placezones.tab \
    sh -c "head -c 3000 /dev/urandom >placezones.tab"
place_case "place zones failing to read (EIO)" placezones.tab ln -s /proc/self/mem placezones.tab
place_case "place zones of 3 GB (sparse)" placezones.tab truncate -s 3G placezones.tab
place_case "place zones of one 2 MB line" placezones.tab \
    sh -c "head -c 2000000 /dev/zero | tr '\\0' x >placezones.tab"
place_case "empty location.bin" location.bin touch location.bin
place_case "short location.bin" location.bin \
    sh -c "head -c 1000 '$src/data/location.bin' >location.bin"
rm -f placezones.tab location.bin

# Hostile text is shown escaped: no escape or bell byte reaches the terminal.
err="$("$exe" --info $'M31\e]0;pwn\a\xff' 2>&1 >/dev/null)"
[ $? -eq 2 ] || bad "hostile --info: status"
[[ "$err" == *'M31\e]0;pwn\a\xff'* ]] || bad "hostile --info: $err"
LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f\xff]' <<<"$err" && bad "control bytes reach the terminal"

# A catalogue that fails to read: the program's name, no trailing blanks, status 3.
ln -s /proc/self/mem bsc5.big
err="$("$exe" --render "$tmp/x.png" --date 2026-07-01T22:00 2>&1 >/dev/null)"
[ $? -eq 3 ] || bad "failing catalogue: status"
[[ "$err" == "vesperanova: Cannot read "*"bsc5.big: Input/output error" ]] ||
    bad "failing catalogue: '$err'"
rm -f bsc5.big

# A damaged faint-star file only costs the faint stars: asked for, the chart is drawn without
# them, with a warning naming the file and one saying the layer is off, status 0.
head -c 3000 /dev/urandom >hipparcos.bin
err="$("$exe" --render "$tmp/faint.png" --date 2026-07-01T22:00 --layers +faintstars 2>&1)"
[ $? -eq 0 ] && [ -s "$tmp/faint.png" ] || bad "damaged faint stars: no chart ($err)"
[[ "$err" == *"warning: "*"$tmp/work/hipparcos.bin"* ]] || bad "damaged faint stars: '$err'"
[[ "$err" == *"Faint Stars layer is off"* ]] || bad "damaged faint stars: layer: '$err'"
rm -f hipparcos.bin

if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
    # Damaged and unreadable zone files, bound over the system's own in a private namespace.
    zone=/usr/share/zoneinfo/Europe/Warsaw
    head -c 30 "$zone" >"$tmp/cut30"
    : >"$tmp/empty"
    head -c 3000 /dev/urandom >"$tmp/random"
    head -c 1500 "$zone" >"$tmp/cut1500"
    cp "$zone" "$tmp/private" && chmod 000 "$tmp/private"
    reasons="cut30=the file is cut short in its header
empty=the file is cut short in its header
random=the file does not start as a zone file (TZif)
cut1500=the zone file is cut short
private=Permission denied"
    for copy in cut30 empty random cut1500 private; do
        # Run as another user (root reads any file), from a folder that user may read.
        out="$(unshare -m sh -c "mount --make-rprivate / && mount --bind '$tmp/$copy' $zone &&
            cd / && HOME=/nonexistent XDG_CONFIG_HOME=/nonexistent \
            setpriv --reuid=65534 --regid=65534 --clear-groups \
            '$exe' ${krakow[*]} 2>'$tmp/err' | head -1")"
        err="$(cat "$tmp/err")"
        [[ "$out" == *"zone 1.0 h"* ]] || bad "zone file $copy: heading '$out' ($err)"
        [ "$err" = "vesperanova: warning: time zone Europe/Warsaw cannot be read from the \
system's database: $zone: $(sed -n "s/^$copy=//p" <<<"$reasons"); the standard offset +1.0 h is \
used" ] || bad "zone file $copy: '$err'"
    done

    # A full disk under --render --objects: the chart is written with its tables or not at all.
    mkdir "$tmp/full"
    if unshare -m sh -c "mount --make-rprivate / && mount -t tmpfs -o size=90k tmpfs '$tmp/full' &&
        echo old >'$tmp/full/c.png' &&
        '$exe' --render '$tmp/full/c.png' --objects '$tmp/full/c.json' \
            --date 2026-12-09T21:30 --zone 1 2>'$tmp/err'
        status=\$?; cat '$tmp/full/c.png' >'$tmp/kept'; ls -A '$tmp/full' >'$tmp/left'
        exit \$status"; then
        bad "full disk: status 0"
    fi
    [ "$(cat "$tmp/kept")" = old ] || bad "full disk: the old chart was replaced"
    [ "$(cat "$tmp/left")" = c.png ] || bad "full disk: left behind: $(cat "$tmp/left")"
    grep -q "c.json: No space left on device" "$tmp/err" || bad "full disk: $(cat "$tmp/err")"

    # The tables' file cannot be replaced after the chart was (a mount point refuses the
    # rename): the old chart is put back and nothing of ours is left.
    mkdir "$tmp/busy"
    echo other >"$tmp/other.json"
    unshare -m sh -c "mount --make-rprivate / && echo old >'$tmp/busy/c.png' &&
        echo old >'$tmp/busy/c.json' && mount --bind '$tmp/other.json' '$tmp/busy/c.json' &&
        '$exe' --render '$tmp/busy/c.png' --objects '$tmp/busy/c.json' \
            --date 2026-12-09T21:30 --zone 1 2>'$tmp/err'
        echo \$? >'$tmp/status'; cat '$tmp/busy/c.png' >'$tmp/kept'; ls -A '$tmp/busy' >'$tmp/left'"
    [ "$(cat "$tmp/status")" = 1 ] || bad "busy tables file: status $(cat "$tmp/status")"
    [ "$(cat "$tmp/kept")" = old ] || bad "busy tables file: the old chart was not put back"
    [ "$(cat "$tmp/left" | tr '\n' ' ')" = "c.json c.png " ] ||
        bad "busy tables file: left behind: $(cat "$tmp/left")"
else
    echo "skipped: zone files and full disk (needs root and unshare)"
fi

if command -v xvfb-run >/dev/null; then
    # Display variants with a working X server: our message and status 1, never the toolkit's.
    cat >"$tmp/display.sh" <<EOF
for variant in "--display :999" "--display=:999" "GDK_BACKEND=wayland" "GDK_BACKEND=garbage"; do
    case "\$variant" in
    GDK_BACKEND=*) env "\$variant" "$exe" --no-splash --profile "$tmp/p.ini" ;;
    *) "$exe" --no-splash --profile "$tmp/p.ini" \$variant ;;
    esac >/dev/null 2>"$tmp/err"
    echo "\$variant: \$? \$(head -c 60 "$tmp/err")"
done
EOF
    want=": 1 vesperanova: the desktop program needs a graphical display"
    xvfb-run -a bash "$tmp/display.sh" >"$tmp/display"
    [ "$(wc -l <"$tmp/display")" -eq 4 ] || bad "display variants: $(cat "$tmp/display")"
    while IFS= read -r line; do
        [[ "$line" == *"$want"* ]] || bad "display $line"
    done <"$tmp/display"
else
    echo "skipped: display variants (needs xvfb-run)"
fi
exit $fail
