#!/usr/bin/env bash
# Wall time from the start of the real program to its visible main window, and its peak
# resident size (/usr/bin/time -v), on the sample card data and on the largest pool, in
# alternating runs after one warm-up of each; prints every run, the medians and the ratios
# (largest / sample, and the largest pool's peak against its decoded card text: the data
# file decoded by iconv into UTF-16).
# The program starts with its first start already accepted, in a folder of its own beside the
# card data, under an X server without a window manager; zemlo-start-watch (built beside the
# benchmarks) starts it, waits for a mapped window of at least 600x400 pixels (the splash
# carries the same caption, the main window is told by its size), lets it settle for a second
# and ends it.
#   usage: bench/startup_time.sh [BUILD_DIR [RUNS]]       (default build, 5)
#   DISPLAY must name a running X server: Xvfb :24 -screen 0 1280x1024x24 &
# Build the tree with optimisation (scripts/build.sh: RelWithDebInfo) and measure on a quiet
# machine; `uptime` before and after tells how quiet it was.
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
watch="$build/bench-bin/zemlo-start-watch"
program="$build/bin/zemlo-deck"
for f in "$watch" "$program" "$build/bench-data/sample/ZEMLO.dat" "$build/bench-data/max/ZEMLO.dat"; do
    [ -e "$f" ] || { echo "missing $f (build the tree first)" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY names no X server" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
printf '[BOOT]\nCNT=1\n' > "$work/config/zemlo-deck.ini"
for pool in sample max; do
    mkdir -p "$work/$pool"
    cp "$program" "$work/$pool/zemlo-deck"
    ln -s "$build/bench-data/$pool/ZEMLO.dat" "$work/$pool/ZEMLO.dat"
done

# One run: prints "milliseconds peak_kB".
run() {
    local pool=$1
    rm -f "$work/$pool/ZEMLO.ini" "$work/time.txt"
    local ms
    ms=$(XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=xcb "$watch" 600 400 1000 \
        /usr/bin/time -v -o "$work/time.txt" "$work/$pool/zemlo-deck" 2>/dev/null)
    local kb
    kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    echo "$ms $kb"
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "load before: $(uptime)"
run sample >/dev/null
run max >/dev/null
: > "$work/sample.txt"
: > "$work/max.txt"
for i in $(seq 1 "$runs"); do
    s=$(run sample)
    m=$(run max)
    echo "$s" >> "$work/sample.txt"
    echo "$m" >> "$work/max.txt"
    echo "run $i: sample ${s% *} ms ${s#* } kB, largest ${m% *} ms ${m#* } kB"
done
echo "load after:  $(uptime)"

sample_ms=$(cut -d' ' -f1 "$work/sample.txt" | median)
max_ms=$(cut -d' ' -f1 "$work/max.txt" | median)
sample_kb=$(cut -d' ' -f2 "$work/sample.txt" | median)
max_kb=$(cut -d' ' -f2 "$work/max.txt" | median)
decoded=$(iconv -f CP932 -t UTF-16LE "$build/bench-data/max/ZEMLO.dat" | wc -c)
awk -v sm="$sample_ms" -v mm="$max_ms" -v sk="$sample_kb" -v mk="$max_kb" -v d="$decoded" 'BEGIN {
    printf "median start:  sample %.0f ms, largest %.0f ms = %.2f x sample\n", sm, mm, mm / sm
    printf "median peak:   sample %.1f MiB, largest %.1f MiB (%.1f MB) = %.2f x the %.1f MB of decoded card text\n",
        sk / 1024, mk / 1024, mk * 1024 / 1e6, mk * 1024 / d, d / 1e6
}'
