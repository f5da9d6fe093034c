#!/usr/bin/env bash
# Peak resident size of the real program at start-up, measured with /usr/bin/time -v under
# an X display: the program starts beside the card data of DATA_DIR (an empty ZEMLO.dat
# when DATA_DIR is "empty"), with its first start already accepted, and is closed once its
# main window is shown and has settled.
#   usage: bench/peak_memory.sh PROGRAM DATA_DIR|empty   (DISPLAY must name a running X server)
set -euo pipefail
program=$(realpath "$1")
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/zemlo-deck"
if [ "$data" = empty ]; then
    : > "$work/ZEMLO.dat"
    text_chars=0
else
    ln -s "$(realpath "$data")/ZEMLO.dat" "$work/ZEMLO.dat"
fi
mkdir -p "$work/config"
printf '[BOOT]\nCNT=1\n' > "$work/config/zemlo-deck.ini"
XDG_CONFIG_HOME="$work/config" /usr/bin/time -v -o "$work/time.txt" "$work/zemlo-deck" &
timer=$!
# The main window's caption starts with the game's name; the splash has none.
for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^ZEMLOSAGA' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1
pkill -TERM -P "$timer" || true
wait "$timer" || true
kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
echo "peak RSS: $((kb / 1024)) MB ($kb kB)"
