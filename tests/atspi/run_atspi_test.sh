#!/bin/sh
# Runs the screen-reader test: the program under a private X server and a
# private D-Bus session with the accessibility bus started, driven through
# AT-SPI by atspi_play.py. Exits 77 (skipped) only where that bridge cannot
# be started on this machine.
# Usage: run_atspi_test.sh <program> <script>
set -u

skip() {
    echo "SKIPPED: $* (the AT-SPI bridge cannot start here)"
    exit 77
}

launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3

if [ "${1:-}" != "--inside" ]; then
    [ -x "$python" ] || skip "no $python"
    "$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi for $python"
    command -v xvfb-run >/dev/null || skip "no xvfb-run"
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
    [ -x "$launcher" ] || skip "no $launcher"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh "$0" --inside "$@"
fi
shift

"$launcher" --launch-immediately --a11y=1 &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null' EXIT

# The accessibility bus answers once the launcher has it running.
tries=0
until dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -lt 50 ] || skip "the accessibility bus did not come up"
    sleep 0.1
done

"$python" "$2" "$1"
