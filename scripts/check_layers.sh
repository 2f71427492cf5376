#!/usr/bin/env bash
# Fails when a file of the core includes a core folder above its own.
# The core is layered bottom-up; a folder may include its own headers and
# those of the folders before it in this list, never one after it.
set -euo pipefail
order=(base model state appearance files solver exact logic manual edit create print shell)
core="$(cd "$(dirname "$0")/.." && pwd)/src/core"
rank() {
    local i
    for i in "${!order[@]}"; do
        [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
status=0
while IFS= read -r file; do
    own=${file#"$core"/}
    own=${own%%/*}
    own_rank=$(rank "$own")
    if [ "$own_rank" -lt 0 ]; then
        echo "$file: folder '$own' is not in the layer order (scripts/check_layers.sh)"
        status=1
        continue
    fi
    while IFS= read -r inc; do
        used=${inc%%/*}
        [ -d "$core/$used" ] || continue
        if [ "$(rank "$used")" -gt "$own_rank" ]; then
            echo "$file: includes \"$inc\" from a folder above '$own'"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$core" -mindepth 2 \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sort)
[ "$status" -eq 0 ] && echo "Core layers in order: ${order[*]}"
exit "$status"
