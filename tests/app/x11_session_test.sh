#!/usr/bin/env bash
# The program on a real X display under a real window manager, driven by real
# key presses and a real drag from a file manager:
# - a file dragged from pcmanfm lands in the list; the mnemonics of the
#   pattern box, "Set Filenames" and "Rename!" then rename it on disk, and
#   Ctrl+Z back in the pattern box takes the rename back;
# - F1 opens the help window on top, Page Down scrolls it and Alt+F4 closes
#   it while the main window stays open;
# - Shift+F10 in the list opens the window menu, whose About entry opens the
#   About box; F1 there opens help, which scrolls and closes while the About
#   box stays open; it and the summary box have neither a minimise nor a
#   maximise button; the Menu key opens the window menu too;
# - paths given on the command line after "--", in bytes that are not UTF-8
#   or named like Qt's own options, are listed and renamed exactly.
#   x11_session_test.sh ZENTAVO WINDOW_GRAB
set -euo pipefail
zentavo=$1
grab=$2
for tool in Xvfb openbox xdotool xprop pcmanfm; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"; cat "$work"/*.log' ERR
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/files"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# shellcheck source=tests/support/x_desktop.sh
source "$(dirname "$0")/../support/x_desktop.sh"
gone() { [ -z "$(window "$1")" ]; }
on_top() {  # the window is the topmost of the window manager's stack
    local top
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | tail -1)
    [ $((top)) -eq "$1" ]
}
active() { [ "$(xdotool getactivewindow)" = "$1" ]; }
# The window asks for neither a minimise nor a maximise button (the
# decorations of its Motif hints), and the window manager offers no maximising.
# (Openbox keeps minimising in a dialog's window menu whatever it asks.)
no_min_max_buttons() {
    local decorations
    decorations=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f3)
    (( (decorations & 0x60) == 0 )) && ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE
}
changed() { [ "$("$grab" "$1" 2>/dev/null)" != "$2" ]; }
# Scrolls the active help window by a key press; succeeds if its pixels change.
help_scrolls() {
    local help before
    help=$(window "Zentavo Help")
    before=$("$grab" "$help" 2>/dev/null)
    xdotool key Next
    eventually changed "$help" "$before"
}
click_list() {
    xdotool windowactivate --sync "$main"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 200)) $((Y + 150)) click 1
}

start_desktop 1280x1024

echo "photo" >"$work/files/photo.jpg"
pcmanfm "$work/files" >"$work/pcmanfm.log" 2>&1 &
pids+=($!)
"$zentavo" >"$work/zentavo.log" 2>&1 &
zentavo_pid=$!
pids+=("$zentavo_pid")
eventually shown "Zentavo 1.0"
eventually shown files
main=$(window "Zentavo 1.0")
manager=$(window files)
xdotool windowmove --sync "$main" 20 40
xdotool windowmove --sync "$manager" 660 40

# The drag: from the file's icon, the first of pcmanfm's icon view, onto the
# list, in steps as a hand moves.
eval "$(xdotool getwindowgeometry --shell "$manager")"
xdotool mousemove $((X + 206)) $((Y + 72)) mousedown 1
for step in $(seq 1 20); do
    xdotool mousemove $((X + 206 - step * 25)) $((Y + 72 + step * 4))
    sleep 0.05
done
xdotool mouseup 1
xdotool windowactivate --sync "$main"
xdotool key alt+p
xdotool type '%t-dropped.%e'
xdotool key alt+s
sleep 0.5  # a mnemonic clicks its button a moment later
xdotool key alt+n
check "a file dragged from pcmanfm is renamed" eventually test -e "$work/files/photo-dropped.jpg"
check "the summary says so" eventually shown Finished
check "the summary has neither a minimise nor a maximise button" \
    no_min_max_buttons "$(window Finished)"
xdotool key Return
eventually gone Finished
# Back in the pattern box, whose typing the rename ended.
xdotool key alt+p
xdotool key ctrl+z
check "Ctrl+Z in the pattern box after Rename! takes the rename back" \
    eventually test -e "$work/files/photo.jpg"
check "the undo says so" eventually shown "Undo Last Rename"
xdotool key Return
eventually gone "Undo Last Rename"

xdotool windowactivate --sync "$main"
xdotool key F1
check "F1 opens the help window" eventually shown "Zentavo Help"
help=$(window "Zentavo Help")
check "the help window is on top" eventually on_top "$help"
check "the help window is active" eventually active "$help"
check "the help window scrolls beside the main window" help_scrolls
xdotool key alt+F4
check "Alt+F4 closes the help window" eventually gone "Zentavo Help"
check "the main window stays open" shown "Zentavo 1.0"

click_list
xdotool key shift+F10
sleep 0.5
xdotool key a
check "Shift+F10 in the list opens the window menu, and its About entry the About box" \
    eventually shown "About Zentavo..."
xdotool key F1
check "F1 in the About box opens the help window" eventually shown "Zentavo Help"
check "the help window is active over the About box" eventually active "$(window "Zentavo Help")"
check "the help window scrolls beside the About box" help_scrolls
xdotool key alt+F4
check "Alt+F4 closes the help window" eventually gone "Zentavo Help"
check "the About box stays open" shown "About Zentavo..."
check "the About box has neither a minimise nor a maximise button" \
    no_min_max_buttons "$(window "About Zentavo...")"
xdotool windowactivate --sync "$(window "About Zentavo...")"
xdotool key Escape
check "Escape closes the About box" eventually gone "About Zentavo..."

click_list
xdotool key Menu
sleep 0.5
xdotool key h
check "the Menu key opens the window menu, and its Help entry help" eventually shown "Zentavo Help"
xdotool key alt+F4
eventually gone "Zentavo Help"

xdotool windowactivate --sync "$main"
xdotool key alt+F4
check "Alt+F4 on the main window ends the program" eventually sh -c "! kill -0 $zentavo_pid"

# Paths given on the command line after "--", as "Open With" gives them: one
# in bytes that are not UTF-8, and two named like options of Qt, which would
# otherwise take "-platform" with the name after it as a platform to load and
# "-reverse" as a wish for a mirrored window.
latin1=$(printf 'caf\351.txt')
echo "coffee" >"$work/files/$latin1"
echo "qt" >"$work/files/-platform"
echo "qt" >"$work/files/-reverse"
(cd "$work/files" && exec "$zentavo" -- "$work/files/$latin1" -platform -reverse) \
    >>"$work/zentavo.log" 2>&1 &
zentavo_pid=$!
pids+=("$zentavo_pid")
eventually shown "Zentavo 1.0"
main=$(window "Zentavo 1.0")
xdotool windowactivate --sync "$main"
xdotool key alt+p
xdotool type '%t-given.%e'
xdotool key alt+s
sleep 0.5
xdotool key alt+n
check "a non-UTF-8 path from the command line is renamed" \
    eventually test -e "$work/files/$(printf 'caf\351-given.txt')"
check "files named -platform and -reverse after -- are renamed" \
    eventually test -e "$work/files/-platform-given." -a -e "$work/files/-reverse-given."
check "the summary says so" eventually shown Finished
check "the summary has neither a minimise nor a maximise button" \
    no_min_max_buttons "$(window Finished)"
xdotool key Return
eventually gone Finished
xdotool windowactivate --sync "$main"
xdotool key alt+F4
eventually sh -c "! kill -0 $zentavo_pid"

echo "$failures failed"
[ "$failures" -eq 0 ]
