#!/usr/bin/env bash
# Each folder of src/ includes only its own headers and those of the folders before it here:
# the shell's tooltips and alerts read the rules of biorule/, cards/, signs/ and moon/, never the
# windows of readings/ or biorhythms/ that stand on the shell.
set -euo pipefail
cd "$(dirname "$0")/../src"

layers=(runtime platform forms biorule cards signs moon shell readings biorhythms app)

status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        if grep -rn "#include \"${layers[j]}/" "${layers[i]}"; then
            echo "${layers[i]}/ may not include ${layers[j]}/, which stands on it" >&2
            status=1
        fi
    done
done
exit $status
