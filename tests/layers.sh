#!/usr/bin/env bash
# Fails when a source file includes a header from a layer above its own.
# The layers, bottom to top; a file may include its own layer and those below.
#   0 core        the machine's seams, the console, pauses and draws, the screen loop
#   1 model       the hero, monsters and item records
#   2 abilities   the spell and special-attack kinds
#   3 combat, persistence
#   4 world       the kits every place shares, and the status screen
#   5 places      world/town, world/regions, crafting
#   6 app         title, new game, load game, command mode, options, main
set -u
src=${1:-$(dirname "$0")/../src}
rank() {
    case $1 in
    core/*) echo 0 ;;
    model/*) echo 1 ;;
    abilities/*) echo 2 ;;
    combat/* | persistence/*) echo 3 ;;
    world/town/* | world/regions/* | crafting/*) echo 5 ;;
    world/*) echo 4 ;;
    app/*) echo 6 ;;
    *) echo unknown ;;
    esac
}
status=0
cd "$src" || exit 2
while IFS= read -r file; do
    file=${file#./}
    own=$(rank "$file")
    [ "$own" = unknown ] && { echo "$file: not in any layer"; status=1; continue; }
    while IFS= read -r header; do
        theirs=$(rank "$header")
        if [ "$theirs" = unknown ]; then
            echo "$file includes \"$header\", which is in no layer"
            status=1
        elif [ "$theirs" -gt "$own" ]; then
            echo "$file includes \"$header\" from a layer above its own"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sort)
exit $status
