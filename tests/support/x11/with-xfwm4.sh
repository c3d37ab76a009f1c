#!/usr/bin/env bash
# Runs a command on the current X display under the xfwm4 window manager, the screen split into
# RandR monitors when asked (the first one given is primary, wherever it lies), and stops the window
# manager afterwards.
#   with-xfwm4.sh [--monitor WIDTH/MMxHEIGHT/MM+X+Y]... -- command [argument...]
# xfwm4 keeps its settings on a D-Bus session bus of its own and in a fresh configuration folder.
set -euo pipefail

if [ -z "${VELARCANA_XFWM4_SESSION:-}" ]; then
    export VELARCANA_XFWM4_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

monitors=()
while [ "${1:-}" = "--monitor" ]; do
    monitors+=("$2")
    shift 2
done
[ "${1:-}" = "--" ] && shift

# Polls a condition until it holds, for at most 20 seconds.
wait_for() {
    local deadline=$((SECONDS + 20))
    until "$@" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "with-xfwm4.sh: timed out waiting for: $*" >&2
            return 1
        fi
        sleep 0.05
    done
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
monitor_count_is() { [ "$(xrandr --listmonitors | head -n1)" = "Monitors: $1" ]; }

scratch=$(mktemp -d)
export XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" NO_AT_BRIDGE=1
# The window manager comes first: an X server whose last client leaves resets and forgets its
# monitors.
xfwm4 --compositor=off --sm-client-disable >"$scratch/xfwm4.log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null; rm -rf "$scratch"' EXIT
wait_for wm_running || { cat "$scratch/xfwm4.log" >&2; exit 1; }

if [ ${#monitors[@]} -gt 0 ]; then
    # The first monitor takes the server's output, so the output's own monitor gives way.
    output=$(xrandr | awk '$2 == "connected" { print $1; exit }')
    xrandr --setmonitor "*velarcana0" "${monitors[0]}" "$output" >/dev/null
    for i in $(seq 1 $((${#monitors[@]} - 1))); do
        xrandr --setmonitor "velarcana$i" "${monitors[$i]}" none >/dev/null
    done
    wait_for monitor_count_is ${#monitors[@]}
fi

"$@"
