#!/usr/bin/env bash
# Installs what is missing, builds, and installs Velarcana for the current user: the program
# folder, its menu entry and its icons (scripts/install-build.sh says where). Installing again
# keeps the user's files; scripts/uninstall.sh takes it out again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec scripts/install-build.sh build
