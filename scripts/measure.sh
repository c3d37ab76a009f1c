#!/usr/bin/env bash
# Measures the running program: time until its window is up, resident memory, and processor
# time over 60 idle seconds. Starts it on a temporary copy of the program folder under Xvfb with
# a tray host. Usage: scripts/measure.sh [build-dir] [idle-seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
idle=${2:-60}
title="The Card of Day..."

folder=$(mktemp -d)
cp -r "$build/Velarcana/." "$folder/"
rm -f "$folder/opciones.ini" "$folder/bio.dat" "$folder/horabio.dat" "$folder/biofinal.dat"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${program:-}" "${tray:-}" "$xvfb" 2>/dev/null || true; rm -rf "$folder"; }
trap cleanup EXIT
sleep 1
DISPLAY=$display trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1

start=$(date +%s.%N)
DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$folder/Velarcana" >/dev/null 2>&1 &
program=$!
until DISPLAY=$display xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    kill -0 "$program" 2>/dev/null || { echo "the program ended before its window came up"; exit 1; }
    sleep 0.02
done
up=$(date +%s.%N)

ticks() { awk '{print $14 + $15}' "/proc/$program/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$idle"
after=$(ticks)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$program/status")

awk -v s="$start" -v u="$up" -v r="$rss" -v b="$before" -v a="$after" -v hz="$hz" -v idle="$idle" 'BEGIN {
    printf "window up after:     %.2f s\n", u - s
    printf "resident memory:     %.1f MB\n", r / 1024
    printf "processor when idle: %.2f %% of one core over %d s\n", (a - b) / hz / idle * 100, idle
}'
