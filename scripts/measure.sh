#!/usr/bin/env bash
# Measures the running program against a bare Qt tray program (benchmarks/BareTray.cpp: a window
# with a picture, a clock label set every second and a tray icon), both started in the same
# session under Xvfb with a tray host: time until the window is up, resident and proportional
# memory, and, once the start-up has settled (the welcome notice has slid away and the audio
# device has closed), processor time and wake-ups over the idle seconds. Prints both and their
# ratios. The program runs on a temporary copy of its folder, as on a first start.
# Usage: scripts/measure.sh [build-dir] [idle-seconds] [settle-seconds]
# The X display is :90 to :98, or MEASURE_DISPLAY (a number). Like a desktop session, the
# session has a D-Bus session bus; without one, the first program to ask would start one.
set -euo pipefail
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- "$0" "$@"
cd "$(dirname "$0")/.."
build=${1:-build}
idle=${2:-60}
settle=${3:-35}
title="The Card of Day..."
bare_title="Bare tray"
bare="$build/benchmarks/bare_tray"
[ -x "$bare" ] || { echo "$bare is missing: build with -DVELARCANA_BENCHMARKS=ON"; exit 1; }

folder=$(mktemp -d)
samples=$(mktemp -d)
cp -r "$build/Velarcana/." "$folder/"
rm -f "$folder/opciones.ini" "$folder/bio.dat" "$folder/horabio.dat" "$folder/biofinal.dat"

display=:${MEASURE_DISPLAY:-$((90 + RANDOM % 9))}
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "${program:-}" "${yardstick:-}" "${tray:-}" "$xvfb" 2>/dev/null || true
    rm -rf "$folder" "$samples"
}
trap cleanup EXIT
sleep 1
DISPLAY=$display trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1

# start_and_wait <title> <command...>: starts the command, waits for its window, and sets
# `started` (its process id) and `took` (seconds until the window was up).
start_and_wait() {
    local name=$1
    shift
    local start
    start=$(date +%s.%N)
    DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$@" >/dev/null 2>&1 &
    started=$!
    until DISPLAY=$display xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
        kill -0 "$started" 2>/dev/null || { echo "$1 ended before its window came up"; exit 1; }
        sleep 0.02
    done
    took=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { print e - s }')
}

# sample <pid> <file>: one line per thread: id, nanoseconds on a processor, context switches.
sample() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v id="${task##*/}" 'NR == FNR { ns = $1; next }
            /^(non)?voluntary_ctxt_switches:/ { n += $2 }
            END { print id, ns, n }' "$task/schedstat" "$task/status" 2>/dev/null || true
    done >"$2"
}

# used <before> <after>: processor seconds and wake-ups between the samples; a thread born in
# between counts from zero.
used() {
    awk 'NR == FNR { ns[$1] = $2; n[$1] = $3; next }
        { cpu += $2 - ns[$1]; wakes += $3 - n[$1] }
        END { printf "%.6f %d\n", cpu / 1e9, wakes }' "$1" "$2"
}

memory() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
    awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"
}

start_and_wait "$title" "$folder/Velarcana"
program=$started
program_up=$took
start_and_wait "$bare_title" "$bare" "$folder/imagenes/mago1.jpg"
yardstick=$started
bare_up=$took

sleep "$settle"
sample "$program" "$samples/program.before"
sample "$yardstick" "$samples/bare.before"
sleep "$idle"
sample "$program" "$samples/program.after"
sample "$yardstick" "$samples/bare.after"

read -r program_cpu program_wakes < <(used "$samples/program.before" "$samples/program.after")
read -r bare_cpu bare_wakes < <(used "$samples/bare.before" "$samples/bare.after")
mapfile -t program_mem < <(memory "$program")
mapfile -t bare_mem < <(memory "$yardstick")

awk -v idle="$idle" -v settle="$settle" \
    -v pu="$program_up" -v bu="$bare_up" \
    -v prss="${program_mem[0]}" -v brss="${bare_mem[0]}" \
    -v ppss="${program_mem[1]}" -v bpss="${bare_mem[1]}" \
    -v pcpu="$program_cpu" -v bcpu="$bare_cpu" \
    -v pw="$program_wakes" -v bw="$bare_wakes" 'function row(what, p, b, format) {
        printf "%-34s " format " " format "   %6.2f\n", what, p, b, (b > 0 ? p / b : 0)
    }
    BEGIN {
        printf "%-34s %10s %10s   %6s\n", "", "Velarcana", "bare tray", "ratio"
        row("window up after (s)", pu, bu, "%10.2f")
        row("resident memory (MB)", prss / 1024, brss / 1024, "%10.1f")
        row("proportional memory (MB)", ppss / 1024, bpss / 1024, "%10.1f")
        row("processor when idle (% of a core)", pcpu / idle * 100, bcpu / idle * 100, "%10.3f")
        row("wake-ups per second", pw / idle, bw / idle, "%10.2f")
        printf "(idle over %d s, after %d s of settling)\n", idle, settle
    }'
