#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
ctest --test-dir build --output-on-failure -j"$(nproc)"
