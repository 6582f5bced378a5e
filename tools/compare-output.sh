#!/usr/bin/env bash
# Compares what two builds of the program compute and draw, byte for byte: charts (PNG, SVG and
# PDF, screen and printed, every layer switched on and off at three zoom levels, both chart modes,
# a southern observer, both sky models), the picking tables of --objects, --ephemeris in text and
# JSON, and the information panels of --info. A refactoring that must not change the classic
# output runs this with the binary of the commit it started from as REFERENCE.
#
#   tools/compare-output.sh REFERENCE_BINARY CANDIDATE_BINARY [WORK_DIR]
#
# Prints one line per differing output and exits 1 when any differ (2 when an output could not
# be made at all by one binary while the other made it).
set -uo pipefail

ref=${1:?reference binary}
new=${2:?candidate binary}
work=${3:-$(mktemp -d)}
mkdir -p "$work/ref" "$work/new"
# A private profile and configuration: the user's own settings never enter the comparison.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
profile="$work/profile.ini"
: >"$profile"

when=(--date 2026-12-09T21:30:15 --zone 1 --profile "$profile")
south=(--lon 151:12E --lat 33:52S --zone 10)
layers=(grid boundaries figures deepsky starnames deepskynames ecliptic horizon milkyway
    solarsystem solsyslabels coloredstars)

cases=()
add() { cases+=("$*"); }

for model in "" "--precise"; do
    add "render default.png $model"
    add "render default.svg $model"
    add "render horizon.png --mode horizon $model"
    add "render south.png ${south[*]} $model"
    add "render southhorizon.png ${south[*]} --mode horizon --level 3 $model"
    add "render print.pdf --print $model"
    add "render printall.png --print --page 1240x1754 --layers +$(
        IFS=,
        echo "${layers[*]}"
    ) $model"
    add "render objects.png --objects OBJ $model"
    add "ephemeris --json $model"
    add "ephemeris $model"
    add "ephemeris ${south[*]} --json $model"
    for object in Moon Sun Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto HR2061 M31 \
        NGC869 Polaris Orion; do
        add "info $object $model"
    done
done
for level in 0 5 11; do
    for layer in "${layers[@]}"; do
        add "render L$level-on-$layer.png --level $level --layers +$layer --center 5.5,0"
        add "render L$level-off-$layer.png --level $level --layers -$layer --center 5.5,0"
    done
    add "render L$level-colored.png --level $level --colored-sky --center 18,-25"
done
add "render place.png --place Poland:Krakow --tz Europe/Warsaw --date 2026-07-01T23:00"

run() { # run BINARY OUTDIR NAME CASE...
    local bin=$1 out=$2 name=$3
    shift 3
    local kind=$1
    shift
    local args=()
    for a in "$@"; do
        case $a in
        OBJ) args+=("$out/$name.objects.json") ;;
        *) args+=("$a") ;;
        esac
    done
    case $kind in
    render)
        local file=${args[0]}
        "$bin" --render "$out/$name.${file##*.}" "${args[@]:1}" "${when[@]}" \
            >"$out/$name.out" 2>&1
        ;;
    ephemeris) "$bin" --ephemeris "${args[@]}" "${when[@]}" >"$out/$name.out" 2>&1 ;;
    info) "$bin" --info "${args[@]}" "${when[@]}" >"$out/$name.out" 2>&1 ;;
    esac
    echo $? >"$out/$name.status"
}

# Two files are the same when their bytes are, except that a PDF's creation date (the second the
# file was written) may differ.
same() {
    case $1 in
    *.pdf) cmp -s <(sed -E 's/CreationDate \(D:[^)]*\)//' "$1") \
        <(sed -E 's/CreationDate \(D:[^)]*\)//' "$2") ;;
    *) cmp -s "$1" "$2" ;;
    esac
}

differ=0
for i in "${!cases[@]}"; do
    read -r -a c <<<"${cases[$i]}"
    name=$(printf '%03d' "$i")
    run "$ref" "$work/ref" "$name" "${c[@]}"
    run "$new" "$work/new" "$name" "${c[@]}"
    for f in "$work/ref/$name".*; do
        g="$work/new/${f##*/}"
        if [[ ! -e $g ]] || ! same "$f" "$g"; then
            echo "differs: ${cases[$i]} (${f##*/})"
            differ=1
        fi
    done
done
echo "${#cases[@]} cases compared in $work"
exit $differ
