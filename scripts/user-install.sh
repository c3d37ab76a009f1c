# shellcheck shell=bash
# Where a user's install of Velarcana lies, and what its installer and uninstaller share.
# Sourced by scripts/install-build.sh and scripts/uninstall.sh, which use the names it sets.
# shellcheck disable=SC2034

# $XDG_DATA_HOME, or ~/.local/share where it is unset or not an absolute path.
data_home=${XDG_DATA_HOME:-}
[[ $data_home == /* ]] || data_home=$HOME/.local/share
program_folder=$data_home/Velarcana
entry=$data_home/applications/velarcana.desktop
# The files the install put in place, one a line: what uninstalling takes out.
manifest=$program_folder/install_manifest.txt
# The entry that the program's "With Windows" writes ($XDG_CONFIG_HOME, or ~/.config).
config_home=${XDG_CONFIG_HOME:-}
[[ $config_home == /* ]] || config_home=$HOME/.config
autostart_entry=$config_home/autostart/Velarcana.desktop

# exec_program <desktop entry>: the program its Exec line starts, as written there: the escapes of
# the value undone, then the quoting of its first word.
exec_program() {
    local line value="" program="" c i
    line=$(grep -m1 '^Exec=' -- "$1") || return 1
    line=${line#Exec=}
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [ "$c" = "\\" ] && [ $((i + 1)) -lt ${#line} ]; then
            i=$((i + 1))
            c=${line:i:1}
            case $c in
            s) c=' ' ;;
            t) c=$'\t' ;;
            esac
        fi
        value+=$c
    done
    if [ "${value:0:1}" = '"' ]; then
        for ((i = 1; i < ${#value}; i++)); do
            c=${value:i:1}
            [ "$c" = '"' ] && break
            if [ "$c" = "\\" ]; then
                i=$((i + 1))
                c=${value:i:1}
            fi
            program+=$c
        done
    else
        program=${value%%[ $'\t']*}
    fi
    printf '%s\n' "${program//%%/%}"
}

# starts_program <desktop entry> <program>: whether the entry starts that program, the two
# paths compared with every link resolved (the program writes its path so, the installer as
# it was given).
starts_program() {
    local started
    started=$(exec_program "$1") && [ -n "$started" ] &&
        [ "$(realpath -m -- "$started")" = "$(realpath -m -- "$2")" ]
}

# remove_installed: removes the installed files named on its input, one a line, and the folders
# they leave empty up to the data folder. A path outside the data folder is left alone, whatever
# the list says.
remove_installed() {
    local file folder files=() folders=()
    while IFS= read -r file || [ -n "$file" ]; do
        [[ $file == "$data_home"/* && $file != */../* ]] || continue
        files+=("$file")
        folders+=("${file%/*}")
    done
    [ ${#files[@]} -eq 0 ] && return 0
    rm -f -- "${files[@]}"
    # Deepest first, so that a folder's emptied subfolders are gone before it is tried.
    while IFS= read -r folder; do
        while [[ $folder == "$data_home"/* ]] && rmdir -- "$folder" 2>/dev/null; do
            folder=${folder%/*}
        done
    done < <(printf '%s\n' "${folders[@]}" | sort -u -r)
}

# refresh_desktop_caches: lets the desktop see the entry and the icons come or go. Caches of
# menu entries and icons are brought up to date where they exist and their tools are installed;
# none is made where there was none (desktops then read the folders themselves).
refresh_desktop_caches() {
    local theme=$data_home/icons/hicolor applications=$data_home/applications
    # Icon caches older than their theme folder are not used.
    [ -d "$theme" ] && touch -- "$theme"
    if [ -f "$theme/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache --force --ignore-theme-index --quiet "$theme" ||
            echo "the icon cache of $theme could not be brought up to date" >&2
    fi
    if [ -f "$applications/mimeinfo.cache" ] && command -v update-desktop-database >/dev/null; then
        update-desktop-database --quiet "$applications" ||
            echo "the menu entry cache of $applications could not be brought up to date" >&2
    fi
    return 0
}
