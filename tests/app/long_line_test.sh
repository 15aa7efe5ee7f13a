#!/usr/bin/env bash
# A line of 200 MB at the name prompt (a word) and at the command line (a
# whole line) is read within 64 MB of address space, and the game answers it
# exactly as it answers the same line cut short. Skipped under the
# sanitizers, whose shadow memory alone exceeds any such limit.
set -u
bin=$1
case ${2:-OFF} in ON | on | TRUE | true | 1) exit 77 ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0

# Plays `before`, a line of `size` copies of `fill`, then `after`.
play() {
    local size=$1 fill=$2 before=$3 after=$4
    rm -rf dir
    (
        ulimit -v 65536
        { printf '%s' "$before"; head -c "$size" /dev/zero | tr '\0' "$fill"; printf '%s' "$after"; } |
            "$bin" --seed 1 --dir dir
    )
}
check() {
    play 200000000 "$@" >long.out 2>long.err
    local status=$?
    play 300 "$@" >short.out 2>/dev/null
    [ "$status" -eq 0 ] && cmp -s long.out short.out && return
    echo "FAIL: '$3': status $status: $(head -c 300 long.err), or the long line was answered differently"
    failed=1
}

# The name is cut to 19 letters either way; then the class menu and on.
check x $'1\n\n' $'\n1\n\n\n'
# An unknown command of any length is "Invalid Syntax".
check y $'c\n' $'\n\n3\n\n'
exit $failed
