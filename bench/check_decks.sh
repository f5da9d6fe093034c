#!/usr/bin/env bash
# Times "zemlo-deck --check" over 5,000 deck files of a card pool as a whole process, the card
# data load included: RUNS runs (7 unless given) after one not counted, each run's wall, user
# and system seconds, then the median wall time. The deck folder (50 subfolders of invented
# decks of 35 cards) is written once, by gen_deck_folder beside the build's program, into
# DATA_DIR/decks.
#   usage: bench/check_decks.sh PROGRAM DATA_DIR [RUNS]
#   e.g.   bench/check_decks.sh build/bin/zemlo-deck build/bench-data/max
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
runs=${3:-7}
decks="$data/decks"
if [ ! -d "$decks" ]; then
    "$(dirname "$program")/../datagen/gen_deck_folder" "$data" "$decks.new"
    mv "$decks.new" "$decks"
fi
times=$(mktemp)
trap 'rm -f "$times"' EXIT
for run in $(seq 0 "$runs"); do
    status=0
    /usr/bin/time -f '%e %U %S' -o "$times.run" \
        "$program" --check --data "$data/ZEMLO.dat" "$decks" >/dev/null 2>&1 || status=$?
    [ "$status" -le 1 ] || { echo "--check failed with status $status"; exit 1; }
    # The first run fills the page cache and is not counted.
    [ "$run" -gt 0 ] && cat "$times.run" >>"$times"
done
rm -f "$times.run"
echo "wall user sys (seconds), $runs runs:"
cat "$times"
echo "median wall: $(sort -n "$times" | awk '{ w[NR] = $1 } END { print w[int((NR + 1) / 2)] }') s"
