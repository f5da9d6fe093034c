#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) in build-fuzz/ and runs them.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 60), growing its
#                                           working corpus build-fuzz/corpus/<target> from the
#                                           seeds in fuzz/corpus/<target>
#   scripts/fuzz.sh --runs N [TARGET...]    each target for N executions instead of a time
#   scripts/fuzz.sh --smoke                 every target for two seconds on its seeds only,
#                                           one per core at a time, built without the
#                                           optimiser in build-fuzz-smoke/
#   scripts/fuzz.sh --configure-only [--smoke]
#                                           only configures build-fuzz/ (build-fuzz-smoke/)
# Targets are named without the fuzz_ prefix: card_loader, code_page, ... (fuzz/CMakeLists.txt).
# A finding stops its target and leaves the input as build-fuzz/findings/<target>/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

smoke=0
seconds=60
runs=-1
configure_only=0
if [ "${1:-}" = "--configure-only" ]; then
    configure_only=1
    shift
fi
if [ "${1:-}" = "--runs" ]; then
    runs=$2
    seconds=0
    shift 2
elif [ "${1:-}" = "--smoke" ]; then
    smoke=1
    seconds=2
    shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: skipped, clang++ is not installed (scripts/ensure-deps.sh installs it)"
    exit 0
fi

# Line tables (-g1) are all a finding's stack needs. The smoke run (./test) builds a tree of its
# own without the optimiser: two seconds a target need no speed, and the tree then compiles in
# about half the time; long runs take the optimised one.
tree=build-fuzz
level=-O2
if [ "$smoke" = 1 ]; then
    tree=build-fuzz-smoke
    level=-O0
fi
bash scripts/configure.sh "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$level -g1 -DNDEBUG" -DCMAKE_CXX_COMPILER=clang++ \
    -DZEMLO_FUZZ=ON >/dev/null
if [ "$configure_only" = 1 ]; then exit 0; fi
# The build's output is shown only when it fails.
build_log=$(mktemp)
if ! cmake --build "$tree" --target zemlo_fuzz_targets --parallel "$(nproc)" >"$build_log" 2>&1; then
    cat "$build_log"
    rm -f "$build_log"
    echo "fuzz: the fuzz targets did not build"
    exit 1
fi
rm -f "$build_log"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

# The largest input of a target: 4 KB, and 1 MiB for the targets of whole files (their inputs
# may also ask to be repeated up to that size, fuzz/fuzz_input_large.h).
max_len_of() {  # TARGET
    case $1 in
        settings_file | deck_file_large) echo 1048576 ;;
        *) echo 4096 ;;
    esac
}

# One target's run; prints its line (and the end of its log on a finding) into $2.
fuzz_one() {  # TARGET REPORT
    local target=$1 report=$2 findings work log done took
    findings="$tree/findings/$target"
    mkdir -p "$findings"
    if [ "$smoke" = 1 ]; then
        work=$(mktemp -d)
    else
        work="build-fuzz/corpus/$target"
        mkdir -p "$work"
    fi
    # A smoke run keeps its own log, so it never overwrites a long run's.
    log="$tree/findings/$target.log"
    if [ "$smoke" = 1 ]; then log="$tree/findings/$target.smoke.log"; fi
    local status=0
    if "$tree"/fuzz-bin/fuzz_"$target" "$work" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -runs="$runs" -max_len="$(max_len_of "$target")" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
        done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
        echo "fuzz_$target: ${done:-?} runs in ${took:-?}s, no finding" >"$report"
    else
        { echo "fuzz_$target: FINDING, see $log and $findings/"; tail -n 30 "$log"; } >"$report"
        status=1
    fi
    if [ "$smoke" = 1 ]; then rm -rf "$work"; fi
    return "$status"
}

# The smoke runs go side by side, one per core; long runs one after another, each with the
# whole machine. Reports come in the order of the targets either way.
jobs=1
if [ "$smoke" = 1 ]; then jobs=$(nproc); fi
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
running=0
for i in "${!targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    fuzz_one "${targets[$i]}" "$reports/$i" &
    running=$((running + 1))
done
wait || true

passed=0
failed=0
for i in "${!targets[@]}"; do
    if [ -f "$reports/$i" ]; then cat "$reports/$i"; fi
    if head -n 1 "$reports/$i" 2>/dev/null | grep -q ', no finding$'; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
