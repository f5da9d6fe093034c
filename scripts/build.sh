#!/usr/bin/env bash
# Configures (once) and builds everything into build/, or only the targets given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh
if [ ! -f build/build.ninja ]; then
    launcher=()
    if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
# Targets given as arguments build only those (the installer needs only the program).
targets=()
if [ $# -gt 0 ]; then targets=(--target "$@"); fi
cmake --build build --parallel "$(nproc)" "${targets[@]}"
