#!/usr/bin/env bash
# Configures a build tree with Ninja where it has not been configured yet:
#   scripts/configure.sh DIR [CMAKE ARGUMENTS...]
# ccache, where installed, speeds up rebuilds; nothing needs it. Files compiled with a
# precompiled header are cached only with the sloppinesses given here (ccache's manual,
# "Precompiled headers"; the header is built seconds before its users, newer than ccache
# trusts by default). Its depend mode takes the included files from the compiler's own
# dependency list instead of running the preprocessor once more, so a miss, and every file of
# a first build is one, costs little more than the compile.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
if [ -f "$dir/build.ninja" ]; then exit 0; fi
launcher=()
if command -v ccache >/dev/null 2>&1; then
    sloppiness=pch_defines,time_macros,include_file_mtime,include_file_ctime
    launcher=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_DEPEND=1;CCACHE_SLOPPINESS=$sloppiness;ccache")
fi
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@"
