# Sourced by the tests that drive a program on a real X display: the checks
# they count, and a display of their own under a window manager.
# The sourcing script sets $work (a folder of its own) and pids (the
# processes its cleanup stops), and may set eventually_tenths first.

failures=0
check() {  # check WHAT COMMAND...
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
# Retries a command for up to eventually_tenths tenths of a second.
eventually() {
    for _ in $(seq "${eventually_tenths:-100}"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }

# Starts Xvfb with a screen of the given size and openbox on it, and exports
# DISPLAY once the window manager answers.
start_desktop() {  # start_desktop WIDTHxHEIGHT
    # -noreset: a server that resets when its last client leaves refuses the
    # next one for a moment.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$1x24" 3>"$work/display" \
        2>"$work/xvfb.log" &
    pids+=($!)
    eventually test -s "$work/display"
    export DISPLAY=":$(cat "$work/display")"
    eventually xprop -root
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    eventually sh -c 'xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW'
}
