#!/usr/bin/env bash
# Configures (once) and builds everything into build/, or only the targets given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh
# Debug information at level 1 (functions and line tables) is what backtraces and profilers
# read; full information would make every object and link several times larger. A tree of
# your own with -DCMAKE_BUILD_TYPE=Debug has it all for a debugger.
bash scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
# Targets given as arguments build only those (the installer needs only the program).
targets=()
if [ $# -gt 0 ]; then targets=(--target "$@"); fi
cmake --build build --parallel "$(nproc)" "${targets[@]}"
