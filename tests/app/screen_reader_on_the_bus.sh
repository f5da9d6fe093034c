#!/usr/bin/env bash
# What a screen reader hears from the real program: under Xvfb with openbox, in a private
# D-Bus session with the desktop's accessibility bus (AT-SPI) switched on, the program is
# walked window by window as Orca reads it (screen_reader_walk.py says what fails).
#   screen_reader_on_the_bus.sh PATH/TO/zemlo-deck PATH/TO/ZEMLO.dat SOURCE_DIR
set -u
exe="$1"
dat="$2"
source_dir="$3"
here=$(dirname "$0")
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/prog" "$work/config"
cp "$exe" "$work/prog/zemlo-deck"
cp "$dat" "$work/prog/ZEMLO.dat"

# The bus of the private session, never one of the desktop the test may run on.
unset AT_SPI_BUS_ADDRESS
. "$here/start_xvfb.sh"
start_xvfb "$work/xvfb.log" || fail "Xvfb or openbox did not start: $(tail -n 3 "$work/xvfb.log"*)"
# Debian's pyatspi is built for the system's Python, whatever python3 comes first in PATH.
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_walk.py" "$work/prog/zemlo-deck" \
    "$source_dir" "$work" 2>"$work/bus.log"
status=$?
if [ "$status" != 0 ]; then
    echo "--- the program said:"; cat "$work/program.log" 2>/dev/null
    echo "--- the bus said:"; grep -v "Failed to set fd limit" "$work/bus.log"
fi
exit "$status"
