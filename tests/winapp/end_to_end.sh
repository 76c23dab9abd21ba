#!/usr/bin/env bash
# zentavo.exe under wine on a real X display with a window manager, driven
# from outside by real key presses alone: started with a folder, a pattern
# typed in the pattern box, Alt+S and Alt+N rename the files on disk, Ctrl+Z
# brings their names back; F1 in the window and in the About box (opened
# from the window menu) each ask the browser once for their topic of the
# help file. With ZENTAVO_SCREENSHOT=FILE.png (and ImageMagick's import),
# the window showing the new names is saved there.
#   end_to_end.sh ZENTAVO_EXE
set -euo pipefail
zentavo_exe=$(realpath "$1")
for tool in Xvfb openbox xdotool xprop wine wineserver; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Neither Mono nor Gecko, and no Linux menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX" "$work/program" "$work/Photos"
unset WAYLAND_DISPLAY

eventually_tenths=200  # wine starts slowly
# shellcheck source=tests/support/x_desktop.sh
source "$(dirname "$0")/../support/x_desktop.sh"
listing() { (cd "$work/Photos" && ls | tr '\n' ' '); }
lists() { [ "$(listing)" = "$1" ]; }
active() { [ "$(xdotool getactivewindow)" = "$1" ]; }
not_active() { ! active "$1"; }
# The window asks for neither a minimise nor a maximise button (the
# decorations of its Motif hints), and the window manager offers no maximising.
no_min_max_buttons() {
    local decorations
    decorations=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f3)
    (( (decorations & 0x60) == 0 )) && ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE
}

start_desktop 1024x768
wineboot --init >"$work/wineboot.log" 2>&1
# The user's browser, as wine's winebrowser starts it: a script that
# writes down what it was asked to show.
cat >"$work/browser" <<BROWSER
#!/bin/sh
printf '%s\\n' "\$*" >>"$work/browsed"
BROWSER
chmod +x "$work/browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser" /f >/dev/null
# For the screenshot, wine's dialog font borrows the glyphs of 日本 from
# Noto Sans CJK, as Windows links its own East Asian fonts.
if [ -n "${ZENTAVO_SCREENSHOT:-}" ]; then
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null
fi

cp "$zentavo_exe" "$work/program/zentavo.exe"
cp "$(dirname "$0")/../../res/zentavo.HLP" "$work/program/zentavo.HLP"
for name in "Holiday 1.JPG" "beach.jpeg" "é 日本.jpg"; do echo "$name" >"$work/Photos/$name"; done
before=$(listing)
folder=$(wine winepath -w "$work/Photos" 2>/dev/null)
wine "$work/program/zentavo.exe" "$folder" >"$work/zentavo.log" 2>&1 &
pids+=($!)
check "the window opens with its caption" eventually shown "Zentavo 1.0"
main=$(window "Zentavo 1.0")
xdotool windowactivate --sync "$main"

xdotool key alt+p
xdotool type --delay 50 'trip-%2c.%<e'
xdotool key alt+s
# The new names are shown, not yet given.
sleep 1
[ -z "${ZENTAVO_SCREENSHOT:-}" ] || import -frame -window "$main" "$ZENTAVO_SCREENSHOT"
check "Set Filenames renames nothing on disk" lists "$before"
xdotool key alt+n
check "Rename! renames the files on disk" eventually lists "trip-01.jpeg trip-02.jpg trip-03.jpg "
# The summary, answered with Enter; the window is the active one again.
check "the summary is shown over the window" eventually not_active "$main"
xdotool key Return
check "the window is active again" eventually active "$main"
xdotool key ctrl+z
check "Ctrl+Z gives the files their names back" eventually lists "$before"
check "the undo's report is shown over the window" eventually not_active "$main"
xdotool key Return
check "the window is active again" eventually active "$main"

# Help, from the window and from the About box, at each one's topic.
browsed() { grep -q "$1" "$work/browsed"; }
xdotool key F1
check "F1 shows the help file's topic of the window in the browser" \
    eventually browsed "zentavo.HLP#context-131174"
# The window menu from the list, where the Menu key opens it.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 200)) $((Y + 120)) click 1
xdotool key Menu
sleep 0.5  # the menu opens a moment later
# From the bottom: wine's own "About Wine" takes the About entry's "A".
xdotool key Up Up Return
check "the About box opens from the window menu" eventually shown "About Zentavo..."
check "the About box has neither a minimise nor a maximise button" \
    no_min_max_buttons "$(window "About Zentavo...")"
xdotool key F1
check "F1 in the About box shows its topic" eventually browsed "zentavo.HLP#context-131172"
xdotool key Escape
check "Escape closes the About box" eventually sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^About Zentavo...\$')\" ]"
check "each F1 asked once" [ "$(wc -l <"$work/browsed")" -eq 2 ]

if [ "$failures" -ne 0 ]; then
    cat "$work/zentavo.log"
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the window passed every check"
