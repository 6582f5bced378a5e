#!/usr/bin/env bash
# vesperanova --info: the panel rows of a body, a star and deep-sky objects for a fixed instant
# and place, and the errors for unknown objects. $1 = the executable, $2 = the source tree.
set -u
exe="$(realpath "$1")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" # the catalogues come from the program directory, not from here
export XDG_CONFIG_HOME="$tmp/config"
common=(--date 2000-01-01T12:00 --zone 0 --lon 19:55E --lat 50:02N --profile "$tmp/none.ini")
fail=0

check() { # description, then the command's output must contain each further argument
  local what="$1" out="$2"
  shift 2
  for want in "$@"; do
    if ! grep -qxF -- "$want" <<<"$out"; then
      echo "FAIL: $what: no line '$want' in:"
      echo "$out"
      fail=1
    fi
  done
}

out="$("$exe" --info Sun "${common[@]}")" || { echo "FAIL: --info Sun exited $?"; fail=1; }
check "Sun" "$out" "Sun" "Magnitude: -26.7" "Distance from Sun:  " "Illuminated fraction:  " \
  "Distance from Earth: 147.1 million km"

out="$("$exe" --info jupiter "${common[@]}")" || { echo "FAIL: --info jupiter exited $?"; fail=1; }
check "Jupiter" "$out" "Jupiter"
grep -q '^Angular size: .*"$' <<<"$out" || { echo "FAIL: Jupiter angular size: $out"; fail=1; }

out="$("$exe" --info=M31 "${common[@]}")" || { echo "FAIL: --info=M31 exited $?"; fail=1; }
check "M31" "$out" "Deep sky object" "Catalog number M 31" "Type: galaxy"

# Betelgeuse is HR 2061 (Alpha Orionis, 58 Orionis)
out="$("$exe" --info HR2061 "${common[@]}")" || { echo "FAIL: --info HR2061 exited $?"; fail=1; }
check "HR 2061" "$out" "Star" "HR number: 2061" "Bayer: Alpha Ori" "Flamsteed: 58 Ori" \
  "Spectral type: M"

out="$("$exe" --info "ngc 869" "${common[@]}")" || { echo "FAIL: --info NGC869 exited $?"; fail=1; }
check "NGC 869" "$out" "Catalog number NGC 869"

# NGC 7329 is not among the hundred NGC objects of the catalogue
err="$("$exe" --info NGC7329 "${common[@]}" 2>&1 >/dev/null)"
[ $? -eq 2 ] && grep -q "NGC 7329 is not in the catalogue" <<<"$err" ||
  { echo "FAIL: NGC7329: '$err'"; fail=1; }

for bad in Vulcan M HR-5 NGC; do
  err="$("$exe" --info "$bad" "${common[@]}" 2>&1 >/dev/null)"
  status=$?
  if [ $status -ne 2 ] || ! grep -q "unknown object" <<<"$err"; then
    echo "FAIL: --info $bad: status $status, '$err'"
    fail=1
  fi
done
err="$("$exe" --info M999 "${common[@]}" 2>&1 >/dev/null)"
[ $? -eq 2 ] && grep -q "M 999 is not in the catalogue" <<<"$err" ||
  { echo "FAIL: M999: '$err'"; fail=1; }

# the profile named is never written
[ ! -e "$tmp/none.ini" ] || { echo "FAIL: --info wrote the profile"; fail=1; }
exit $fail
