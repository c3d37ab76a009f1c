#!/usr/bin/env bash
# Runs a command against a private Xvfb server of its own and stops the server afterwards.
#   with-xvfb.sh [-s WIDTHxHEIGHT] command [argument...]
# The server picks a free display itself (-displayfd), so tests running side by side never
# share one. The command gets DISPLAY and QT_QPA_PLATFORM=xcb; its exit status is returned.
set -euo pipefail

size=1280x800
if [ "${1:-}" = "-s" ]; then
    size=$2
    shift 2
fi

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp +extension RANDR 3>"$fifo" \
    >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo"

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
"$@"
