#!/usr/bin/env bash
# Installs a finished build of Velarcana for the current user, without root privileges:
#   $XDG_DATA_HOME/Velarcana/                    the program folder, where the program keeps its
#                                                settings and data (~/.local/share when
#                                                XDG_DATA_HOME is unset)
#   $XDG_DATA_HOME/applications/velarcana.desktop  the menu entry
#   $XDG_DATA_HOME/icons/hicolor/*/apps/velarcana.*  the icons
# Installing again replaces only the program's own files: the user's settings, birth data,
# profiles, logs and snapshot stay as they are, and files of an earlier install that this one
# no longer has are removed.
# Usage: scripts/install-build.sh [build-dir]   (build/ by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/user-install.sh
source "$here/user-install.sh"
build=${1:-$here/../build}
if [ ! -f "$build/cmake_install.cmake" ]; then
    echo "install-build.sh: $build is not a build folder (run scripts/build.sh first)" >&2
    exit 1
fi

earlier=$(mktemp)
trap 'rm -f "$earlier" "$earlier.new"' EXIT
[ ! -f "$manifest" ] || cp -- "$manifest" "$earlier"

cmake --install "$build" --prefix "$data_home" >/dev/null
installed=$build/install_manifest.txt

comm -23 <(sort -u "$earlier") <(sort -u "$installed") | remove_installed
sort -u "$installed" >"$earlier.new"
mv -- "$earlier.new" "$manifest"
refresh_desktop_caches
echo "Velarcana is installed in $program_folder (menu entry $entry)"
