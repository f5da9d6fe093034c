#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a subsystem above its own or beside it.
# The layers, lowest first; subsystems that share a layer stand beside each other and know
# nothing of one another. A subsystem may include its own headers and those of any layer
# below.
# Usage: includes_point_down.sh SRC_DIR
set -euo pipefail
src=${1:?the src folder}
layers=(platform carddb settings "catalog cardinfo deck" deckfile images collection tools "cli ui" app)

declare -A rank_of
for i in "${!layers[@]}"; do
    for folder in ${layers[$i]}; do rank_of[$folder]=$i; done
done

faults=0
checked=0
for dir in "$src"/*/; do
    own=$(basename "$dir")
    own_rank=${rank_of[$own]:--1}
    if [ "$own_rank" -lt 0 ]; then
        echo "$own/ is in no layer; add it to the list in $0"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        target=${rest#*\"}
        target=${target%%/*}
        target_rank=${rank_of[$target]:--1}
        checked=$((checked + 1))
        if [ "$target_rank" -gt "$own_rank" ]; then
            echo "${file#"$src"/}:$line: $own/ includes $target/, a layer above it"
            faults=$((faults + 1))
        elif [ "$target_rank" -eq "$own_rank" ] && [ "$target" != "$own" ]; then
            echo "${file#"$src"/}:$line: $own/ includes $target/, which stands beside it"
            faults=$((faults + 1))
        fi
    done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
done
if [ "$checked" -eq 0 ]; then
    echo "no include read under $src"
    exit 1
fi
echo "$checked includes read, $faults out of place"
[ "$faults" -eq 0 ]
