#!/usr/bin/env bash
# The manual page, the shell completion and the README know every option that the program's
# own help texts print, and every layer name of --render --help.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
src="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY

helps="$("$exe" --help; "$exe" --ephemeris --help; "$exe" --render --help; "$exe" --info --help)"
options="$(grep -oE -- '--[a-z][a-z-]*' <<<"$helps" | sort -u)"
[ "$(wc -l <<<"$options")" -ge 15 ] || fail "too few options found in the help texts: $options"
man_text="$(sed 's/\\-/-/g' "$src/data/man/vesperanova.1")"
completion="$(cat "$src/data/completion/vesperanova")"
readme="$(cat "$src/README.md")"
missing=""
for option in $options; do
    grep -qe "$option\b" <<<"$man_text" || missing+=" man:$option"
    grep -qe "$option\b" <<<"$completion" || missing+=" completion:$option"
    grep -qe "$option\b" <<<"$readme" || missing+=" README:$option"
done
layers="$("$exe" --render --help | tr '\n' ' ' | sed -n 's/.*Layer names: \([^.]*\)\..*/\1/p' | tr -d ',')"
[ -n "$layers" ] || fail "no layer names in --render --help"
for layer in $layers; do
    grep -qw "$layer" <<<"$man_text" || missing+=" man:$layer"
    grep -qw "$layer" <<<"$completion" || missing+=" completion:$layer"
done
[ -z "$missing" ] || fail "not documented:$missing"
echo "$(wc -l <<<"$options") options and $(wc -w <<<"$layers") layers documented"
