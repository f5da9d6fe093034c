#!/usr/bin/env bash
# Peak resident size of the real program at start-up, measured with /usr/bin/time -v under
# an X display: the program starts beside the card data of DATA_DIR (an empty ZEMLO.dat
# when DATA_DIR is "empty"), with its first start already accepted, and is closed once its
# main window is shown and has settled. With "text-search" the quick filter first searches
# every text of each catalog in turn (Ctrl+F, a word, ﾃｷｽﾄも検索, the mission and character
# tabs), so the folded texts of all three kinds are made.
#   usage: bench/peak_memory.sh PROGRAM DATA_DIR|empty [text-search]
#   (DISPLAY must name a running X server; the text search needs xdotool)
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
XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" /usr/bin/time -v -o "$work/time.txt" "$work/zemlo-deck" &
timer=$!
# The main window's caption starts with the game's name; the splash has none.
for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^ZEMLOSAGA' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1
if [ "${3:-}" = text-search ]; then
    window=$(xdotool search --onlyvisible --name '^ZEMLOSAGA' | head -1)
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus "$window"
    # The word (in the card texts of every kind) goes into the bar; Tab and Space turn ﾃｷｽﾄも検索 on; M and C, typed outside
    # the text, bring the other catalogs to the front, where the bar narrows them too.
    xdotool key ctrl+f
    sleep 0.5
    xdotool type --delay 150 'ｶｰﾄﾞ'
    xdotool key Tab space
    sleep 2
    xdotool key m
    sleep 2
    xdotool key c
    sleep 2
fi
pkill -TERM -P "$timer" || true
wait "$timer" || true
kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
echo "peak RSS: $((kb / 1024)) MB ($kb kB)"
