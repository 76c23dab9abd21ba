#!/usr/bin/env bash
# What a screen reader reads of the window, from the AT-SPI tree of the
# program on an X display: every control's name, and a row's state after its
# path.
#   accessibility_test.sh ZENTAVO
set -euo pipefail
zentavo=$1
# Debian's own Python, where python3-pyatspi lives.
python=/usr/bin/python3
for tool in Xvfb dbus-run-session "$python" /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$python" -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
export XDG_STATE_HOME=$work/state
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/files"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
: >"$work/files/a.txt"

cat >"$work/read.py" <<'PY'
import sys, time
import pyatspi

def tree(node, depth=0):
    yield node
    if depth > 12:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from tree(child, depth + 1)

# The window shows up once the program has registered with the bus.
for _ in range(100):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "zentavo"]
    if apps and apps[0].childCount:
        break
    time.sleep(0.1)
else:
    sys.exit("the program never appeared on the accessibility bus")
for node in tree(apps[0]):
    if node.name:
        print(f"{node.getRoleName()}\t{node.name}")
PY

export LC_ALL=C.UTF-8 LANGUAGE=
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Qt exposes its tree only to a session bus that has an accessibility bus.
heard=$(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- bash -c '
    "$1" -- "$2" >"$3/zentavo.log" 2>&1 &
    program=$!
    "$4" "$3/read.py" 2>"$3/read.log"
    status=$?
    kill $program
    exit $status' _ "$zentavo" "$work/files/a.txt" "$work" "$python")
echo "$heard"

failures=0
for expected in "push button	Set Filenames" "push button	Rename!" "push button	Help" \
                "push button	Exit" "check box	Recurse into Subdirectories" \
                "combo box	Rename Pattern" "table cell	$work/files/a.txt, pending"; do
    if grep -qxF "$expected" <<<"$heard"; then
        echo "PASS: ${expected//	/: }"
    else
        echo "FAIL: ${expected//	/: }"
        failures=$((failures + 1))
    fi
done
# The list by its name, as a table: rows of cells under their column
# headings, which a screen reader announces with each cell.
if grep -qP "^table\tFiles to rename$" <<<"$heard"; then
    echo "PASS: the list: Files to rename"
else
    echo "FAIL: the list: Files to rename"
    failures=$((failures + 1))
fi
exit $((failures > 0))
