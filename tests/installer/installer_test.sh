#!/usr/bin/env bash
# Installs Zentavo with its installer, silently, in a wine prefix of its own,
# checks what it put where (the files of the zip, the shortcuts, the entry of
# Add/Remove Programs), uninstalls it silently and checks that the prefix is
# as it was but for the user's journal, which must stay.
#   tests/installer/installer_test.sh build-windows/zentavo-V-win64-setup.exe build-windows/zentavo-V-win64.zip
set -euo pipefail
setup="$(realpath "$1")"
zip="$(realpath "$2")"

scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/prefix"
mkdir "$WINEPREFIX"
export WINEDEBUG=-all
# Neither Mono nor Gecko, and no Linux menu entries for the shortcuts made.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
check() {
    local what="$1"
    shift
    if "$@"; then
        echo "PASS: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# No lasting wineserver: "wineserver -w" waits for the uninstaller, which
# goes on in a copy of itself after the program started has ended, and
# returns only once the server has ended with every process of the prefix.
wineboot --init >"$scratch/boot.log" 2>&1 || { cat "$scratch/boot.log" >&2; exit 1; }
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
wineserver -w

drive_c="$WINEPREFIX/drive_c"
user_folder="$(ls -d "$drive_c"/users/*/AppData | grep -v /Public/ | head -1)"
journal="$user_folder/Local/Zentavo/journal"
program_folder="$drive_c/Program Files/Zentavo"
send_to="$user_folder/Roaming/Microsoft/Windows/SendTo/Zentavo.lnk"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zentavo.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavo'

# A journal of earlier runs, as Zentavo leaves one.
mkdir -p "$journal"
echo "a run" >"$journal/run-1.zjl"

# Every name in the prefix's drive C: but the temporary files, where the
# uninstaller leaves the copy of itself that ran for Windows to remove.
prefix_listing() {
    (cd "$drive_c" && find . -path './users/*/Temp' -prune -o -path './windows/temp' -prune -o -print | sort)
}
prefix_listing >"$scratch/before"

wine "$setup" /S
wineserver -w

mkdir "$scratch/zip"
(cd "$scratch/zip" && unzip -q "$zip")
shipped_folder="$(ls -d "$scratch"/zip/*/)"
for shipped in "$shipped_folder"*; do
    check "installs ${shipped##*/}" cmp -s "$shipped" "$program_folder/${shipped##*/}"
done
check "installs an uninstaller" test -f "$program_folder/uninstall.exe"
version="$(basename "$zip" -win64.zip)"
version="${version#zentavo-}"
uninstall_entry() {
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | grep -qF "$2"
}
check "adds an entry to Add/Remove Programs" uninstall_entry UninstallString '\uninstall.exe"'
check "names the version in Add/Remove Programs" uninstall_entry DisplayVersion "$version"

# A shortcut's arguments are a counted UTF-16 string, which wine counts
# with its closing zero.
has_arguments() {
    python3 -c 'import re, sys
data = open(sys.argv[1], "rb").read()
sys.exit(not re.search(rb"(\x02\x00|\x03\x00)-\x00-\x00", data))' "$1"
}
check "adds Zentavo to the Start menu" test -f "$start_menu"
check "adds Zentavo to Send to" test -f "$send_to"
check "starts Zentavo from Send to with --" has_arguments "$send_to"

uninstaller="$(wine winepath -w "$program_folder/uninstall.exe" 2>/dev/null)"
wine "$uninstaller" /S
wineserver -w

check "removes the installed folder" test ! -e "$program_folder"
check "removes the Start menu entry" test ! -e "$start_menu"
check "removes the Send to entry" test ! -e "$send_to"
check "removes the entry from Add/Remove Programs" \
    bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
check "keeps the journal" test -f "$journal/run-1.zjl"
prefix_listing >"$scratch/after"
check "leaves nothing else behind" diff "$scratch/before" "$scratch/after"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "the installer passed every check"
