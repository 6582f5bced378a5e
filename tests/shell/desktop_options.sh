#!/usr/bin/env bash
# A wrong command line of the desktop program is reported on the terminal with status 2, before
# any display is opened (none is available here) and without touching the profile; a right one
# ends with status 1 and the message that no display could be opened.
set -u
exe="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail=0

check() { # expected-status description command...
  local want="$1" what="$2"
  shift 2
  local err
  err="$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$home" "$@" 2>&1 >/dev/null)"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: $what: status $got, expected $want ($err)"
    fail=1
  elif [ "$want" -ne 0 ] && [ -z "$err" ]; then
    echo "FAIL: $what: no message on the terminal"
    fail=1
  else
    echo "ok: $what"
  fi
}

check 2 "unknown option" "$exe" --bogus-option
check 2 "two pictures" "$exe" one.jpg two.jpg
check 2 "--profile without a file" "$exe" --profile
check 2 "a flag given a value" "$exe" --no-splash=yes
check 2 "a window-system flag given a value" "$exe" --sync=yes
# Accepted command lines end at the missing display (status 1), the window system's options and
# their values passed over in both forms.
check 1 "window-system options" "$exe" --display=:99 --name vn --sync --no-splash
check 1 "a picture after --" "$exe" --profile="$home/p.ini" -- -odd.png
if [ -n "$(ls -A "$home")" ]; then
  echo "FAIL: something was written under the configuration home"
  fail=1
fi
exit $fail
