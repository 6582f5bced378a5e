#!/bin/sh
# Runs a test command in a network namespace of its own whose only interface is the loopback, so
# that the servers the test starts (indiserver listens on every interface) can be reached from
# nowhere else. Where no namespace can be made (no privilege for it), the command runs as it is.
if unshare -n true 2>/dev/null && command -v ip >/dev/null 2>&1; then
    exec unshare -n sh -c 'ip link set lo up && exec "$@"' sh "$@"
fi
exec "$@"
