#!/usr/bin/env bash
# Installs this build for a user of the test's own (a fresh home and data folders) with
# scripts/install-build.sh, looks at the install as the desktop does, and takes it out again
# with scripts/uninstall.sh.
#   install-test.sh <case> <build-dir>
# Cases: entry, launch, reinstall, caches, build_folder, uninstall.
set -euo pipefail
case_name=$1
build=$(cd "$2" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scripts=$source_dir/scripts

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
unset XDG_DATA_HOME
mkdir -p "$HOME"
data=$HOME/.local/share

icon_sizes=(16 22 24 32 48 64 128 256)
# What the program writes for its user into its folder.
user_files=(opciones.ini bio.dat horabio.dat biofinal.dat perfiles.txt mysnap.jpg
    logs/resNumbers.log logs/resNames.log logs/resOracle.log)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# use_data_home <folder>: installs into that folder from now on.
use_data_home() {
    export XDG_DATA_HOME=$1
    data=$1
}

folder() { echo "$data/Velarcana"; }
entry() { echo "$data/applications/velarcana.desktop"; }

install_build() {
    "$scripts/install-build.sh" "$build" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "install-build.sh failed"; }
}

uninstall() {
    "$scripts/uninstall.sh" "$@" >"$work/uninstall.log" 2>&1 ||
        { cat "$work/uninstall.log"; fail "uninstall.sh $* failed"; }
}

autostart_entry() { echo "$XDG_CONFIG_HOME/autostart/Velarcana.desktop"; }

# autostart <program>: the entry that "With Windows" writes for the program at that path.
autostart() {
    mkdir -p "$(dirname "$(autostart_entry)")"
    printf '[Desktop Entry]\nType=Application\nName=Velarcana\nExec="%s"\n' "$1" >"$(autostart_entry)"
}

# value <key>: the key's value in the installed menu entry.
value() { sed -n "s/^$1=//p" "$(entry)"; }

# plant_user_files <folder> [name...]: gives each file bytes of its own (line ends, accented
# Windows-1252 letters, a zero byte) and keeps a copy to compare with.
plant_user_files() {
    local into=$1 name names=("${@:2}")
    [ $# -gt 1 ] || names=("${user_files[@]}")
    for name in "${names[@]}"; do
        mkdir -p "$(dirname "$into/$name")" "$(dirname "$work/kept/$name")"
        printf '%s of %s\r\n\xe1\xf1\x00\xff\r\n' "$name" "$into" >"$into/$name"
        cp "$into/$name" "$work/kept/$name"
    done
}

expect_user_files_kept() {
    local name
    for name in "${user_files[@]}"; do
        cmp -s "$work/kept/$name" "$(folder)/$name" || fail "$name was not kept byte for byte"
    done
}

# expect_only_user_files_under <folder>: every file left there is one of the user's, and no
# empty folder is left.
expect_only_user_files_under() {
    local left expected
    left=$(cd "$1" && find . -type f | sed 's|^\./||' | sort)
    expected=$(printf 'Velarcana/%s\n' "${user_files[@]}" | sort)
    [ "$left" = "$expected" ] || fail "left in $1 besides the user's files: $(comm -23 \
        <(echo "$left") <(echo "$expected") | head -5 | tr '\n' ' ')"
    [ -z "$(find "$1" -mindepth 1 -type d -empty)" ] || fail "empty folders left in $1"
}

# theme_folders <size|scalable>: the folders of application icons of that nominal size (or the
# scalable ones) that the hicolor theme's index names, at scale 1, in the index's order.
theme_folders() {
    local index
    for index in /usr/local/share/icons/hicolor/index.theme /usr/share/icons/hicolor/index.theme; do
        [ -f "$index" ] && break
    done
    [ -f "$index" ] || fail "the hicolor icon theme is not installed"
    awk -F= -v want="$1" '
        /^\[/ { section = substr($0, 2, length($0) - 2); next }
        section == "Icon Theme" && $1 == "Directories" { listed = $2 }
        { key[section, $1] = $2; sections[section] = 1 }
        END {
            n = split(listed, folders, ",")
            for (i = 1; i <= n; i++) {
                s = folders[i]
                if (!(s in sections) || key[s, "Context"] != "Applications") continue
                if (key[s, "Scale"] != "" && key[s, "Scale"] != 1) continue
                scalable = key[s, "Type"] == "Scalable"
                if (want == "scalable" ? scalable : key[s, "Size"] == want) print s
            }
        }' "$index"
}

# resolve_icon <name> <size|scalable>: the installed file of the icon that the theme finds for
# that size, or nothing.
resolve_icon() {
    local theme_folder file extension=png
    [ "$2" = scalable ] && extension=svg
    for theme_folder in $(theme_folders "$2"); do
        file=$data/icons/hicolor/$theme_folder/$1.$extension
        [ -f "$file" ] && { echo "$file"; return; }
    done
}

case_entry() {
    install_build
    local report icon size file
    report=$(desktop-file-validate "$(entry)" 2>&1) || fail "invalid menu entry: $report"
    [ -z "$report" ] || fail "desktop-file-validate: $report"
    [ "$(value Type)" = Application ] || fail "Type is $(value Type)"
    [ "$(value Name)" = Velarcana ] || fail "Name is $(value Name)"
    [ -n "$(value Comment)" ] || fail "no Comment"
    [ -n "$(value Categories)" ] || fail "no Categories"
    [ "$(value StartupWMClass)" = Velarcana ] || fail "StartupWMClass is $(value StartupWMClass)"
    [ "$(value Exec)" = "\"$(folder)/Velarcana\"" ] || fail "Exec is $(value Exec)"
    [ -x "$(folder)/Velarcana" ] || fail "the installed executable is missing"
    [ -d "$(folder)/logs" ] || fail "the installed program folder has no logs/ folder"

    icon=$(value Icon)
    for size in "${icon_sizes[@]}"; do
        file=$(resolve_icon "$icon" "$size")
        [ -n "$file" ] || fail "icon $icon is not found in the theme at $size pixels"
        [ "$(identify -format '%m %wx%h' "$file")" = "PNG ${size}x${size}" ] ||
            fail "$file is $(identify -format '%m %wx%h' "$file")"
    done
    file=$(resolve_icon "$icon" scalable)
    [ -n "$file" ] || fail "icon $icon has no scalable picture in the theme"
    [ "$(xmllint --xpath 'local-name(/*)' "$file")" = svg ] || fail "$file is not an SVG picture"
    # The same art as the tray icon, which is drawn at 32 pixels.
    file=$(resolve_icon "$icon" 32)
    [ "$(compare -metric AE "$file" "$build/tools/uipictures/ui/tray.png" null: 2>&1)" = 0 ] ||
        fail "the 32-pixel icon is not the tray icon"
}

# Started by the desktop's launcher on an X server of the test's own: the program of the
# installed folder comes up, in windows of the class the entry names.
launched_from_the_menu() {
    gio launch "$(entry)" || fail "the launcher could not start the menu entry"
    local window="" deadline=$((SECONDS + 20))
    until window=$(xdotool search --name '^The Card of Day' 2>/dev/null | head -1) && [ -n "$window" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no window of the program came up"
        sleep 0.1
    done
    program=$(xprop -id "$window" _NET_WM_PID | awk '{ print $3 }')
    trap 'kill "$program"' EXIT
    [ "$(readlink "/proc/$program/exe")" = "$(folder)/Velarcana" ] ||
        fail "the menu entry started $(readlink "/proc/$program/exe")"
    local class
    class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
    [ "$class" = "$(value StartupWMClass)" ] ||
        fail "the window's class is $class, the entry's StartupWMClass $(value StartupWMClass)"
}

case_launch() {
    # Blanks, quotes and a dollar in the path: the entry must quote and escape them.
    use_data_home "$work/My \"data\" \$HOME"
    install_build
    desktop-file-validate "$(entry)" || fail "invalid menu entry"
    export -f launched_from_the_menu fail folder entry value
    export data
    "$source_dir/tests/support/x11/with-xvfb.sh" dbus-run-session -- bash -c launched_from_the_menu
}

case_reinstall() {
    install_build
    plant_user_files "$(folder)"
    printf 'damaged' >"$(folder)/Url.wav"
    # A file of an earlier version that this one no longer has.
    echo retired >"$(folder)/imagenes/retired.jpg"
    echo "$(folder)/imagenes/retired.jpg" >>"$(folder)/install_manifest.txt"
    install_build
    expect_user_files_kept
    [ ! -e "$(folder)/imagenes/retired.jpg" ] || fail "the earlier version's file is still there"
    # Besides the user's files and the list of installed files, the install is the build's
    # program folder (which may hold a user's files too, if the program ran from there).
    local user_names='(bio|horabio|biofinal)\.dat|opciones\.ini|perfiles\.txt|mysnap\.(jpg|bmp)'
    local differences
    differences=$(diff -rq "$build/Velarcana" "$(folder)" |
        grep -viE "^Only in [^:]*/logs: |^Only in [^:]*: ($user_names|install_manifest\.txt)$" || true)
    [ -z "$differences" ] || fail "not installed as the build has it: $differences"
}

case_caches() {
    # Caches that know another program's icon and entry.
    local theme=$data/icons/hicolor
    mkdir -p "$theme/16x16/apps" "$data/applications"
    cp "$build/tools/uipictures/ui/today.png" "$theme/16x16/apps/other.png"
    gtk-update-icon-cache --force --ignore-theme-index --quiet "$theme"
    update-desktop-database --quiet "$data/applications"
    install_build
    grep -qa velarcana "$theme/icon-theme.cache" || fail "the icon cache does not know the icon"
    [ -f "$data/applications/mimeinfo.cache" ] || fail "the menu entry cache is gone"
    uninstall
    ! grep -qa velarcana "$theme/icon-theme.cache" || fail "the icon cache still has the icon"
    grep -qa other "$theme/icon-theme.cache" || fail "the icon cache lost the other icon"
}

case_build_folder() {
    # A folder the program ran from: the user's files there never reach an install.
    local from="$work/build (1)+/Velarcana"
    mkdir -p "$from/textos" "$(folder)"
    printf '#!/bin/sh\n' >"$from/Velarcana"
    chmod +x "$from/Velarcana"
    echo text >"$from/textos/1.txt"
    local name
    for name in Opciones.ini BIO.DAT horabio.dat biofinal.dat Perfiles.txt mysnap.jpg mysnap.bmp \
        logs/resNumbers.log Logs/resNames.log; do
        mkdir -p "$(dirname "$from/$name")"
        echo "the build folder's $name" >"$from/$name"
    done
    plant_user_files "$(folder)" opciones.ini bio.dat logs/resNumbers.log
    cmake -DCMAKE_INSTALL_PREFIX="$data" -DVELARCANA_INSTALL_FROM="$from" \
        -P "$build/cmake_install.cmake" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "the install failed"; }
    local installed
    installed=$(cd "$(folder)" && find . -type f | sort | tr '\n' ' ')
    [ "$installed" = "./Velarcana ./bio.dat ./logs/resNumbers.log ./opciones.ini ./textos/1.txt " ] ||
        fail "installed: $installed"
    for name in opciones.ini bio.dat logs/resNumbers.log; do
        cmp -s "$work/kept/$name" "$(folder)/$name" || fail "$name was replaced"
    done
    [ -x "$(folder)/Velarcana" ] || fail "the executable was not installed as one"
}

case_uninstall() {
    install_build
    plant_user_files "$(folder)"
    # A damaged list of installed files reaches nothing outside the data folder.
    echo kept >"$work/outside.txt"
    printf '%s\n' "$work/outside.txt" "$data/../outside.txt" >>"$(folder)/install_manifest.txt"
    cp "$work/outside.txt" "$HOME/.local/outside.txt"
    # "With Windows" of another copy of the program.
    autostart "/opt/Velarcana/Velarcana"
    uninstall
    expect_user_files_kept
    expect_only_user_files_under "$data"
    { [ -f "$work/outside.txt" ] && [ -f "$HOME/.local/outside.txt" ]; } ||
        fail "uninstalling removed a file outside the data folder"
    [ -f "$(autostart_entry)" ] || fail "the autostart entry of another copy was removed"
    if "$scripts/uninstall.sh" >"$work/uninstall.log" 2>&1; then
        fail "uninstalling what is not installed reported success"
    fi
    grep -q "not installed" "$work/uninstall.log" || fail "no message: $(cat "$work/uninstall.log")"

    install_build
    autostart "$(folder)/Velarcana"
    uninstall --purge
    [ -z "$(find "$data" -mindepth 1)" ] || fail "left after --purge: $(find "$data" -mindepth 1)"
    [ ! -e "$(autostart_entry)" ] || fail "the autostart entry of the removed program is left"
}

"case_$case_name"
