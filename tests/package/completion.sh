#!/usr/bin/env bash
# Bash completion of vesperanova: mode options, options of a mode, layer lists, chart modes and
# built-in place names (with blanks and colons), read from the list the build makes.
# $1 = the vesperanova executable, $2 = the source directory, $3 = the build directory.
set -u
src="$2"
build="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -r /usr/share/bash-completion/bash_completion ] || fail "bash-completion is not installed"

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1091
source "$src/data/completion/vesperanova"
export VESPERANOVA_DATA_DIR="$build"

# Completes the command line $1 (the cursor at its end) and prints the candidates, one a line.
# The line is cut into words as bash does it: at blanks not escaped by a backslash, and around
# colons (a word break of bash that place names contain).
complete_line() {
    COMP_LINE="$1"
    COMP_POINT=${#COMP_LINE}
    COMP_WORDS=()
    local word="" i c
    for ((i = 0; i < ${#COMP_LINE}; ++i)); do
        c="${COMP_LINE:i:1}"
        if [[ $c == "\\" ]]; then
            word+="${COMP_LINE:i:2}"
            ((++i))
        elif [[ $c == " " ]]; then
            COMP_WORDS+=("$word")
            word=""
        elif [[ $c == ":" ]]; then
            COMP_WORDS+=("$word" ":")
            word=""
        else
            word+="$c"
        fi
    done
    COMP_WORDS+=("$word")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vesperanova vesperanova "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}

expect() {
    local line="$1" want="$2" got
    got="$(complete_line "$line" | sort | tr '\n' ' ')"
    [ "$got" = "$want " ] || fail "'$line' completes to '$got', not '$want'"
}

expect "vesperanova --ren" "--render"
expect "vesperanova --render sky.png --col" "--colored-sky"
expect "vesperanova --ephemeris --j" "--json"
expect "vesperanova --render sky.png --mode h" "horizon"
expect "vesperanova --render sky.png --layers +grid,-mil" "+grid,-milkyway"
expect "vesperanova --render sky.png --layers st" "+starnames"
expect "vesperanova --info Ju" "Jupiter"
expect "vesperanova --ephemeris --place Poland:Kr" "Krakow"
expect "vesperanova --ephemeris --place usa:new\\ y" "New\\ York"
expect "vesperanova --info M31 --place pol" "Poland:Krakow Poland:Warsaw"
# After a console mode, the options offered are those its --help lists (the option table's).
exe="$1"
for mode in "--ephemeris" "--render a.png" "--info M31"; do
    offered="$(complete_line "vesperanova $mode --" | sort | tr '\n' ' ')"
    listed="$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" ${mode%% *} --help |
        sed -n '/^Options:/,$p' | grep -oE -- '--[a-z][a-z-]*' | sort -u | tr '\n' ' ')"
    [ "$offered" = "$listed" ] ||
        fail "after $mode the completion offers '$offered', --help lists '$listed'"
done
# Every built-in place is offered (409 of them).
[ "$(complete_line "vesperanova --render a.png --place " | wc -l)" -eq 409 ] ||
    fail "not every place is offered"
echo "completion ok"
