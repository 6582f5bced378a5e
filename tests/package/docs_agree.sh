#!/usr/bin/env bash
# The program's option table and its documentation agree, both ways: every option the help texts
# print (they are made from the table) is in the manual page, the shell completion and the
# README, except the window system's options, which are only passed on; and every option these
# three name is one the help texts print. Every layer name of --render --help is documented too.
# $1 = the vesperanova executable, $2 = the source directory.
set -u
exe="$1"
src="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY

options_in() { grep -oE -- '--[a-z][a-z_-]*' | sort -u; }

general="$("$exe" --help)" || fail "--help failed"
helps="$general
$("$exe" --ephemeris --help; "$exe" --render --help; "$exe" --info --help; "$exe" --tonight --help)"
options="$(options_in <<<"$helps")"
[ "$(wc -l <<<"$options")" -ge 25 ] || fail "too few options found in the help texts: $options"
# The general help lists every option of the table, the modes' helps nothing more.
[ "$(options_in <<<"$general")" = "$options" ] || fail "a mode's --help names an option --help lacks"
toolkit="$(sed -n '/^Passed on to the window system:/,/^[^ P]/p' <<<"$general" | sed '$d' |
    options_in)"
[ -n "$toolkit" ] || fail "no window-system options in --help"

man_text="$(sed 's/\\-/-/g' "$src/data/man/vesperanova.1")"
completion="$(cat "$src/data/completion/vesperanova")"
readme="$(cat "$src/README.md")"
# The README's own part for users: its Development section and the cmake command name options
# of other programs.
readme_user="$(sed '/^## Development/,$d' "$src/README.md" | sed 's/`cmake [^`]*`//g')"

missing=""
for option in $(comm -23 <(echo "$options") <(echo "$toolkit")); do
    grep -qe "$option\b" <<<"$man_text" || missing+=" man:$option"
    grep -qe "$option\b" <<<"$completion" || missing+=" completion:$option"
    grep -qe "$option\b" <<<"$readme" || missing+=" README:$option"
done
[ -z "$missing" ] || fail "not documented:$missing"

unknown=""
for option in $(comm -13 <(echo "$options") <(options_in <<<"$man_text")); do
    unknown+=" man:$option"
done
for option in $(comm -13 <(echo "$options") <(options_in <<<"$completion")); do
    unknown+=" completion:$option"
done
for option in $(comm -13 <(echo "$options") <(options_in <<<"$readme_user")); do
    unknown+=" README:$option"
done
[ -z "$unknown" ] || fail "documented but not in the option table:$unknown"

layers="$("$exe" --render --help | tr '\n' ' ' | sed -n 's/.*Layer names: \([^.]*\)\..*/\1/p' | tr -d ',')"
[ -n "$layers" ] || fail "no layer names in --render --help"
for layer in $layers; do
    grep -qw "$layer" <<<"$man_text" || missing+=" man:$layer"
    grep -qw "$layer" <<<"$completion" || missing+=" completion:$layer"
done
[ -z "$missing" ] || fail "not documented:$missing"
echo "$(wc -l <<<"$options") options and $(wc -w <<<"$layers") layers documented"
