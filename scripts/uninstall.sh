#!/usr/bin/env bash
# Takes out what scripts/install.sh installed for the current user: the menu entry, the icons
# and the program's own files, and the autostart entry of "With Windows" where it starts this
# program. The user's settings, birth data, profiles, logs and snapshot stay in the program
# folder; with --purge the program folder goes with all it holds.
# Usage: scripts/uninstall.sh [--purge]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/user-install.sh
source "$here/user-install.sh"
purge=false
case "${1:-}" in
"") ;;
--purge) purge=true ;;
*)
    echo "usage: scripts/uninstall.sh [--purge]" >&2
    exit 2
    ;;
esac

if [ ! -f "$manifest" ] && ! { $purge && [ -d "$program_folder" ]; }; then
    echo "uninstall.sh: Velarcana is not installed in $program_folder" >&2
    exit 1
fi
# Started at log-in, the program that is taken out would be missing: its entry goes with it.
if [ -f "$autostart_entry" ] && starts_program "$autostart_entry" "$program_folder/Velarcana"; then
    rm -f -- "$autostart_entry"
fi
if [ -f "$manifest" ]; then
    remove_installed <"$manifest"
    rm -f -- "$manifest"
fi
if $purge; then
    rm -rf -- "$program_folder"
elif [ -d "$program_folder" ]; then
    # Folders of the program that hold nothing of the user's (logs/ without logs).
    find "$program_folder" -depth -type d -empty -delete
fi
refresh_desktop_caches
if [ -d "$program_folder" ]; then
    echo "Velarcana is uninstalled; your files stay in $program_folder"
else
    echo "Velarcana is uninstalled"
fi
